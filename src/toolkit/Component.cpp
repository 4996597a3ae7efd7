// TComponent: ownership list and name lookup.
#include "toolkit/Component.h"

#include <algorithm>
#include <cwctype>

namespace tk {

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
  if (FOwner) FOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  while (!FComponents.empty()) {
    TComponent* child = FComponents.back();
    FComponents.pop_back();
    child->FOwner = nullptr;
    delete child;
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
  for (TComponent* c : FComponents) {
    if (c->FName.size() == name.size() &&
        std::equal(name.begin(), name.end(), c->FName.begin(),
                   [](wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); }))
      return c;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* child) { FComponents.push_back(child); }

void TComponent::RemoveComponent(TComponent* child) {
  auto it = std::find(FComponents.begin(), FComponents.end(), child);
  if (it != FComponents.end()) FComponents.erase(it);
}

}  // namespace tk
