// TComponent: the base of every component: a name, an owner and the components it owns.
#pragma once

#include <string>
#include <vector>

namespace tk {

// An owner destroys the components it owns, newest first, when it is destroyed itself.
// A component destroyed earlier leaves its owner's list on its own.
class TComponent {
 public:
  explicit TComponent(TComponent* AOwner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  virtual std::wstring ClassName() const { return L"TComponent"; }

  const std::wstring& Name() const { return FName; }
  void SetName(const std::wstring& value) { FName = value; }
  TComponent* Owner() const { return FOwner; }

  // Owned components in creation order.
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(index); }
  TComponent* FindComponent(const std::wstring& name) const;

 private:
  void InsertComponent(TComponent* child);
  void RemoveComponent(TComponent* child);

  std::wstring FName;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
};

}  // namespace tk
