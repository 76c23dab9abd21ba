#include "winapp/rename_list_control.h"

#include <windowsx.h>

#include <algorithm>
#include <mutex>
#include <shared_mutex>

#include "winapp/message_words.h"
#include "winapp/row_images.h"
#include "winapp/wide_text.h"
#include "window/row_words.h"

namespace zentavo {

namespace {

constexpr int kRowImageWidth = 13;
// What the list keeps around a cell's text: its margins and the image.
constexpr int kCellMargins = 12;
// A tooltip wraps at this width rather than run off the screen.
constexpr int kTipWidth = 480;

// The Linux window's warning colours: dark orange on light orange, light on
// dark where the list's background is dark.
constexpr COLORREF kWarningText = RGB(0x9c, 0x35, 0x00);
constexpr COLORREF kWarningBackground = RGB(0xff, 0xe2, 0xb0);
constexpr COLORREF kDarkWarningText = RGB(0xff, 0xc6, 0x80);
constexpr COLORREF kDarkWarningBackground = RGB(0x4a, 0x2a, 0x00);

bool IsDark(COLORREF colour) {
    return GetRValue(colour) * 299 + GetGValue(colour) * 587 + GetBValue(colour) * 114 < 128'000;
}

void CopyInto(const std::wstring& text, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) return;
    const size_t count = std::min(text.size(), size_t(size - 1));
    std::copy_n(text.data(), count, buffer);
    buffer[count] = L'\0';
}

}  // namespace

RenameListControl::RenameListControl(HWND list, HINSTANCE instance, const RenameSession& session,
                                     const CodePage& page)
    : list_(list), session_(session), page_(page) {
    // A row is selected through its first column; an item's tooltip says
    // what the row's ball and colours cannot.
    ListView_SetExtendedListViewStyle(list_, LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
    images_ = LoadRowImages(instance);
    if (images_) ListView_SetImageList(list_, images_, LVSIL_SMALL);
    if (HWND tips = ListView_GetToolTips(list_))
        SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, kTipWidth);

    const TextId headings[] = {TextId::PathHeading, TextId::NewNameHeading};
    for (int column = 0; column < 2; ++column) {
        std::wstring heading = Words(Message(headings[column]));
        LVCOLUMNW spec{};
        spec.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        spec.fmt = LVCFMT_LEFT;
        spec.pszText = heading.data();
        spec.iSubItem = column;
        ListView_InsertColumn(list_, column, &spec);
    }
    ShareColumns();
}

RenameListControl::~RenameListControl() {
    if (images_) ImageList_Destroy(images_);
}

void RenameListControl::ShareColumns() {
    if (columns_set_by_user_) return;
    RECT client{};
    GetClientRect(list_, &client);
    const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
    ListView_SetColumnWidth(list_, kPathColumn, width * 7 / 10);
    ListView_SetColumnWidth(list_, kNewNameColumn, width * 3 / 10);
}

void RenameListControl::RowsChanging(bool replace) {
    replacing_ = replace;
    selected_paths_.clear();
    if (replace) return;
    for (size_t row : SelectedRows()) selected_paths_.emplace_back(session_.list().path(row));
}

void RenameListControl::RowsChanged() {
    warnings_.clear();
    if (replacing_) notes_.clear();
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    shown_rows_ = session_.list().count();
    ListView_SetItemCountEx(list_, int(shown_rows_), LVSICF_NOSCROLL);
    for (const std::string& path : selected_paths_) {
        if (const std::optional<size_t> row = session_.list().Find(path))
            ListView_SetItemState(list_, int(*row), LVIS_SELECTED, LVIS_SELECTED);
    }
    selected_paths_.clear();
    InvalidateRect(list_, nullptr, TRUE);
}

void RenameListControl::RowsRemoved() {
    warnings_.clear();
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    shown_rows_ = session_.list().count();
    ListView_SetItemCountEx(list_, int(shown_rows_), LVSICF_NOSCROLL);
    InvalidateRect(list_, nullptr, TRUE);
}

void RenameListControl::NamesChanged() {
    InvalidateRect(list_, nullptr, TRUE);
}

void RenameListControl::ShowWarnings(std::vector<TargetProblem> warnings) {
    const bool had_warnings = !warnings_.empty();
    warnings_ = std::move(warnings);
    if (had_warnings || !warnings_.empty()) InvalidateRect(list_, nullptr, TRUE);
}

void RenameListControl::AddNotes(const std::vector<RowNote>& notes) {
    for (const RowNote& note : notes) notes_[std::string(session_.list().path(note.row))] = note;
}

void RenameListControl::SetEmptyHint(std::wstring hint) {
    if (hint == empty_hint_) return;
    empty_hint_ = std::move(hint);
    InvalidateRect(list_, nullptr, TRUE);
}

std::vector<size_t> RenameListControl::SelectedRows() const {
    std::vector<size_t> rows;
    for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list_, row, LVNI_SELECTED))
        rows.push_back(size_t(row));
    return rows;
}

const RowNote* RenameListControl::NoteOf(size_t row) const {
    const auto note = notes_.find(std::string(session_.list().path(row)));
    return note != notes_.end() ? &note->second : nullptr;
}

bool RenameListControl::Warned(size_t row) const {
    return session_.list().mark(row) == RowMark::Pending &&
           RowWords(session_.list(), warnings_).WarningOf(row) != nullptr;
}

bool RenameListControl::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == ListView_GetHeader(list_)) {
        // Widths the user gives the columns stay theirs.
        if (header.code == HDN_ENDTRACKW || header.code == HDN_DIVIDERDBLCLICKW)
            columns_set_by_user_ = true;
        return false;
    }
    if (header.hwndFrom != list_) return false;
    switch (header.code) {
        case LVN_GETDISPINFOW:
            FillItem(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
            result = 0;
            return true;
        case LVN_GETINFOTIPW:
            FillInfoTip(*reinterpret_cast<NMLVGETINFOTIPW*>(const_cast<NMHDR*>(&header)));
            result = 0;
            return true;
        case NM_CUSTOMDRAW:
            result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
            return true;
        case HDN_ENDTRACKW:
        case HDN_DIVIDERDBLCLICKW:
            columns_set_by_user_ = true;
            return false;
        default:
            return false;
    }
}

void RenameListControl::FillItem(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    // A row read while a job writes the list shows empty; the view hears
    // of the change once the job is over.
    std::shared_lock reading(session_.list_writing(), std::try_to_lock);
    const size_t row = size_t(item.iItem);
    const RenameList& list = session_.list();
    if (!reading.owns_lock() || item.iItem < 0 || row >= shown_rows_ || row >= list.count()) {
        if (item.mask & LVIF_TEXT) CopyInto(L"", item.pszText, item.cchTextMax);
        if (item.mask & LVIF_IMAGE) item.iImage = I_IMAGENONE;
        return;
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = item.iSubItem == kPathColumn ? int(list.mark(row)) : I_IMAGENONE;
    if (!(item.mask & LVIF_TEXT)) return;
    if (item.iSubItem == kPathColumn) {
        // A long path keeps both ends in sight: where it is and the file's
        // name.
        const int width =
            ListView_GetColumnWidth(list_, kPathColumn) - kRowImageWidth - kCellMargins;
        shown_ = ElidedPath(Wide(list.path(row)), width);
    } else if (NameTooLong(list.new_name(row))) {
        shown_ = Words(Message(TextId::NameTooLong));
    } else {
        shown_ = Wide(list.new_name(row));
    }
    CopyInto(shown_, item.pszText, item.cchTextMax);
}

std::wstring RenameListControl::ElidedPath(const std::wstring& path, int width) const {
    if (width <= 0) return path;
    HDC dc = GetDC(list_);
    if (!dc) return path;
    const HGDIOBJ old_font =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
    // DT_MODIFYSTRING writes the ellipsis into the text: room for it.
    std::wstring elided = path + std::wstring(4, L'\0');
    RECT rect{0, 0, width, 0};
    DrawTextExW(dc, elided.data(), int(path.size()), &rect,
                DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT,
                nullptr);
    SelectObject(dc, old_font);
    ReleaseDC(list_, dc);
    elided.resize(wcsnlen(elided.c_str(), elided.size()));
    return elided;
}

void RenameListControl::FillInfoTip(NMLVGETINFOTIPW& tip) const {
    std::shared_lock reading(session_.list_writing(), std::try_to_lock);
    const size_t row = size_t(tip.iItem);
    const RenameList& list = session_.list();
    if (!reading.owns_lock() || tip.iItem < 0 || row >= shown_rows_ || row >= list.count()) return;
    std::wstring text = Wide(list.path(row));
    const std::string_view name = list.new_name(row);
    if (NameTooLong(name)) {
        text +=
            L"\r\n" + Words(Message(TextId::NewPath, {Value::Words(Message(TextId::NameTooLong))}));
    } else if (!name.empty()) {
        text += L"\r\n" +
                Words(Message(TextId::NewPath, {Value::Bytes(RenameTarget(list.path(row), name,
                                                                          list.syntax(), page_))}));
    }
    for (const Value& line : RowWords(list, warnings_).Reason(row, NoteOf(row)))
        text += L"\r\n" + Words(line);
    CopyInto(text, tip.pszText, tip.cchTextMax);
}

void RenameListControl::DrawEmptyHint(HDC dc) const {
    // Below the header, in the middle, wrapped to the list's width.
    RECT area{};
    GetClientRect(list_, &area);
    RECT header{};
    GetWindowRect(ListView_GetHeader(list_), &header);
    area.top += header.bottom - header.top;
    InflateRect(&area, -kCellMargins, -kCellMargins);
    const HGDIOBJ old_font = SelectObject(dc, GetWindowFont(list_));
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, empty_hint_.c_str(), int(empty_hint_.size()), &area,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old_font);
}

LRESULT RenameListControl::CustomDraw(NMLVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW |
                   (shown_rows_ == 0 && !empty_hint_.empty() ? CDRF_NOTIFYPOSTPAINT : 0);
        case CDDS_POSTPAINT:
            DrawEmptyHint(draw.nmcd.hdc);
            return CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const size_t row = size_t(draw.nmcd.dwItemSpec);
            std::shared_lock reading(session_.list_writing(), std::try_to_lock);
            const bool warned = draw.iSubItem == kNewNameColumn && reading.owns_lock() &&
                                row < shown_rows_ && row < session_.list().count() && Warned(row);
            if (warned) {
                const bool dark = IsDark(GetSysColor(COLOR_WINDOW));
                draw.clrText = dark ? kDarkWarningText : kWarningText;
                draw.clrTextBk = dark ? kDarkWarningBackground : kWarningBackground;
            } else {
                draw.clrText = CLR_DEFAULT;
                draw.clrTextBk = CLR_DEFAULT;
            }
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

}  // namespace zentavo
