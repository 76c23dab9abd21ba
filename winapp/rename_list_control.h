// The rename list as a virtual report list view: the control keeps no row
// of its own (a million rows cost it nothing) and asks for each row's text,
// image, colours and tooltip as it draws it, read from the session's list.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "core/code_page.h"
#include "engine/rename_run.h"
#include "engine/target_check.h"
#include "session/rename_session.h"

namespace zentavo {

class RenameListControl {
public:
    static constexpr int kPathColumn = 0;
    static constexpr int kNewNameColumn = 1;

    // list is the template's list view; the row images come from instance.
    RenameListControl(HWND list, HINSTANCE instance, const RenameSession& session,
                      const CodePage& page);
    ~RenameListControl();
    RenameListControl(const RenameListControl&) = delete;
    RenameListControl& operator=(const RenameListControl&) = delete;

    HWND hwnd() const { return list_; }

    // The columns share the client width less a vertical scroll bar, 7 to
    // 3, until the user sets their widths.
    void ShareColumns();

    // Around rows that change on another thread: the selection follows the
    // rows by their paths; with replace every row may go.
    void RowsChanging(bool replace);
    void RowsChanged();
    // Rows left the session's list: none stays selected.
    void RowsRemoved();
    void NamesChanged();
    void ShowWarnings(std::vector<TargetProblem> warnings);
    void AddNotes(const std::vector<RowNote>& notes);
    // The empty list says this; nothing when empty.
    void SetEmptyHint(std::wstring hint);

    std::vector<size_t> SelectedRows() const;

    // The list's notifications to its dialog; whether handled, with the
    // result to give.
    bool OnNotify(const NMHDR& header, LRESULT& result);

private:
    void FillItem(NMLVDISPINFOW& info) const;
    void FillInfoTip(NMLVGETINFOTIPW& tip) const;
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;
    void DrawEmptyHint(HDC dc) const;
    std::wstring ElidedPath(const std::wstring& path, int width) const;
    const RowNote* NoteOf(size_t row) const;
    bool Warned(size_t row) const;

    HWND list_;
    const RenameSession& session_;
    const CodePage& page_;
    HIMAGELIST images_ = nullptr;
    // The rows the view knows of: rows a job adds show once it is over.
    size_t shown_rows_ = 0;
    std::vector<TargetProblem> warnings_;
    std::map<std::string, RowNote> notes_;  // by the row's path
    std::vector<std::string> selected_paths_;
    bool replacing_ = false;
    bool columns_set_by_user_ = false;
    std::wstring empty_hint_;
    // Text handed to the control must outlive the notification.
    mutable std::wstring shown_;
};

}  // namespace zentavo
