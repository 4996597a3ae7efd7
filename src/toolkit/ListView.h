// TListView: a report-style list with columns, groups, check boxes and small icons.
#pragma once

#include "toolkit/WinControl.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {

class TImageList;
class TListView;

class TListItem {
 public:
  TListItem(TListView* owner) : FOwner(owner) {}
  int Index() const;
  const std::wstring& Caption() const { return FCaption; }
  void SetCaption(const std::wstring& value);
  // The texts of the columns after the first.
  const std::vector<std::wstring>& SubItems() const { return FSubItems; }
  void AddSubItem(const std::wstring& text);
  void SetSubItem(int index, const std::wstring& text);
  int GroupID() const { return FGroupID; }
  void SetGroupID(int value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  // Read from the control: the user may have ticked or unticked it.
  bool Checked() const;
  void SetChecked(bool value);
  bool Selected() const;
  void SetSelected(bool value);

 private:
  friend class TListView;
  TListView* FOwner;
  std::wstring FCaption;
  std::vector<std::wstring> FSubItems;
  int FGroupID = -1;
  int FImageIndex = -1;
};

class TListView : public TWinControl {
 public:
  TListView(TComponent* AOwner, TWinControl* AParent);
  ~TListView() override;
  std::wstring ClassName() const override { return L"TListView"; }

  void AddColumn(const std::wstring& caption, int width);
  int ColumnCount() const { return FColumnCount; }
  void AddGroup(int groupId, const std::wstring& header);
  // The group ids added, in order.
  const std::vector<int>& GroupIds() const { return FGroupIds; }
  bool GroupView() const { return FGroupView; }
  void SetGroupView(bool value);
  bool Checkboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool value);
  void SetSmallImages(TImageList* images);

  TListItem* AddItem();
  int Count() const { return static_cast<int>(FItems.size()); }
  TListItem* Items(int index) const { return FItems.at(index).get(); }
  void Delete(int index);
  void Clear();
  int SelCount() const;

 private:
  friend class TListItem;
  void SyncItem(const TListItem* item, bool texts);

  std::vector<std::unique_ptr<TListItem>> FItems;
  std::vector<int> FGroupIds;
  int FColumnCount = 0;
  bool FGroupView = false;
  bool FCheckboxes = false;
};

}  // namespace tk
