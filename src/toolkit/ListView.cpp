// TListView over SysListView32 in report mode.
#include "toolkit/ListView.h"

#include "toolkit/ImgList.h"

#include <commctrl.h>

namespace tk {

// --- TListItem ----------------------------------------------------------------------------

int TListItem::Index() const {
  const auto& items = FOwner->FItems;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == this) return static_cast<int>(i);
  return -1;
}

void TListItem::SetCaption(const std::wstring& value) {
  FCaption = value;
  FOwner->SyncItem(this, true);
}

void TListItem::AddSubItem(const std::wstring& text) {
  FSubItems.push_back(text);
  FOwner->SyncItem(this, true);
}

void TListItem::SetSubItem(int index, const std::wstring& text) {
  if (index >= static_cast<int>(FSubItems.size())) FSubItems.resize(index + 1);
  FSubItems[index] = text;
  FOwner->SyncItem(this, true);
}

void TListItem::SetGroupID(int value) {
  FGroupID = value;
  FOwner->SyncItem(this, false);
}

void TListItem::SetImageIndex(int value) {
  FImageIndex = value;
  FOwner->SyncItem(this, false);
}

bool TListItem::Checked() const {
  return ListView_GetCheckState(FOwner->Handle(), Index()) != 0;
}

void TListItem::SetChecked(bool value) { ListView_SetCheckState(FOwner->Handle(), Index(), value); }

bool TListItem::Selected() const {
  return ListView_GetItemState(FOwner->Handle(), Index(), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool value) {
  ListView_SetItemState(FOwner->Handle(), Index(), value ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

// --- TListView ----------------------------------------------------------------------------

TListView::TListView(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
}

TListView::~TListView() = default;

void TListView::AddColumn(const std::wstring& caption, int width) {
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  std::wstring text = caption;
  col.pszText = text.data();
  col.cx = width;
  col.iSubItem = FColumnCount;
  ListView_InsertColumn(Handle(), FColumnCount, &col);
  ++FColumnCount;
}

void TListView::AddGroup(int groupId, const std::wstring& header) {
  LVGROUP group{};
  group.cbSize = sizeof(group);
  group.mask = LVGF_HEADER | LVGF_GROUPID;
  std::wstring text = header;
  group.pszHeader = text.data();
  group.iGroupId = groupId;
  ListView_InsertGroup(Handle(), -1, &group);
  FGroupIds.push_back(groupId);
}

void TListView::SetGroupView(bool value) {
  FGroupView = value;
  ListView_EnableGroupView(Handle(), value);
}

void TListView::SetCheckboxes(bool value) {
  FCheckboxes = value;
  ListView_SetExtendedListViewStyleEx(Handle(), LVS_EX_CHECKBOXES, value ? LVS_EX_CHECKBOXES : 0);
}

void TListView::SetSmallImages(TImageList* images) {
  ListView_SetImageList(Handle(), images ? images->Handle() : nullptr, LVSIL_SMALL);
}

TListItem* TListView::AddItem() {
  FItems.push_back(std::make_unique<TListItem>(this));
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(FItems.size()) - 1;
  item.pszText = const_cast<wchar_t*>(L"");
  ListView_InsertItem(Handle(), &item);
  return FItems.back().get();
}

void TListView::SyncItem(const TListItem* li, bool texts) {
  const int index = li->Index();
  if (index < 0) return;
  LVITEMW item{};
  item.iItem = index;
  item.mask = LVIF_IMAGE | LVIF_GROUPID;
  item.iImage = li->FImageIndex;
  item.iGroupId = li->FGroupID;
  ListView_SetItem(Handle(), &item);
  if (!texts) return;
  ListView_SetItemText(Handle(), index, 0, const_cast<wchar_t*>(li->FCaption.c_str()));
  for (size_t i = 0; i < li->FSubItems.size(); ++i)
    ListView_SetItemText(Handle(), index, static_cast<int>(i) + 1,
                         const_cast<wchar_t*>(li->FSubItems[i].c_str()));
}

void TListView::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  ListView_DeleteItem(Handle(), index);
  FItems.erase(FItems.begin() + index);
}

void TListView::Clear() {
  ListView_DeleteAllItems(Handle());
  FItems.clear();
}

int TListView::SelCount() const { return static_cast<int>(ListView_GetSelectedCount(Handle())); }

}  // namespace tk
