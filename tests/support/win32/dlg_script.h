#pragma once
// Drives the modal dialogs a test opens, as a user would: a script of steps,
// each waiting for a visible window of this thread with a title and then
// acting on it (reading and setting controls by ID with the notifications a
// user's input sends, pressing buttons, answering message boxes, the string
// input and file dialogs, taking screenshots). Steps run in order, each once;
// nested modal dialogs are caught as they open, since the script runs on a
// timer of this thread, which every modal loop dispatches.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A dialog as the user sees it.
class cDlgView {
public:
    explicit cDlgView(HWND hWnd) : m_hWnd(hWnd) {}
    HWND Hwnd() const { return m_hWnd; }
    HWND Item(int nId) const { return GetDlgItem(m_hWnd, nId); }
    std::string Title() const;

    bool Exists(int nId) const { return Item(nId) != nullptr; }
    std::string ClassOf(int nId) const;
    bool Enabled(int nId) const;
    bool Visible(int nId) const;

    // Edits: the text; typing replaces it key by key; pasting replaces it at
    // once (both send the edit's notifications).
    std::string Text(int nId) const;
    void Type(int nId, const std::string& strKeys) const;
    void Paste(int nId, const std::string& strText) const;
    // Combo boxes: the rows, the selected row and its text; choosing sends
    // the selection change.
    std::vector<std::string> Rows(int nId) const;
    int Sel(int nId) const;
    std::string SelText(int nId) const;
    void Choose(int nId, int nRow) const;
    // Chooses the row with this text; false when there is none.
    bool ChooseText(int nId, const std::string& strRow) const;
    // Check boxes: the state; a click toggles it.
    int Checked(int nId) const;
    void Click(int nId) const;
    // Trackbars: the position; moving the thumb as the user drags it.
    int SliderPos(int nId) const;
    void SetSlider(int nId, int nPos) const;

    // A button press, handled after the step's action returns (so a button
    // that opens a modal dialog doesn't block the step).
    void Press(int nId) const;
    void Ok() const { Press(1000); }
    void Cancel() const { Press(1001); }
    void CloseBox() const;

    // With TARVENOL_SHOTS set to a folder, writes the window to
    // <folder>/<name>.bmp.
    void Screenshot(const std::string& strName) const;

private:
    HWND m_hWnd;
};

class cDlgScript {
public:
    using tAction = std::function<void(cDlgView&)>;

    cDlgScript();
    ~cDlgScript();
    cDlgScript(const cDlgScript&) = delete;
    cDlgScript& operator=(const cDlgScript&) = delete;

    // The next step: the window titled strTitle.
    cDlgScript& On(const std::string& strTitle, tAction action);
    // A message box of the platform: its text goes to lpText, then the button.
    cDlgScript& AnswerBox(const std::string& strTitle, int nButton, std::string* lpText = nullptr);
    // The string input dialog: the text typed, then OK (or Cancel with bOk false).
    cDlgScript& InputText(const std::string& strTitle, const std::string& strText, bool bOk = true);
    // A file dialog: the path typed into its name box, then OK.
    cDlgScript& ChooseFile(const std::string& strTitle, const std::string& strPath);
    // Counts whether a window with this title ever shows while the script runs.
    cDlgScript& Watch(const std::string& strTitle);

    bool Done() const { return m_nNext == m_Steps.size(); }
    size_t StepsRun() const { return m_nNext; }
    bool Seen(const std::string& strTitle) const;

private:
    struct cStep {
        std::string strTitle;
        tAction action;
    };
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    static constexpr DWORD kPatienceMs = 15000;

    std::vector<cStep> m_Steps;
    size_t m_nNext = 0;
    DWORD m_dwLastStep = 0;
    std::vector<std::pair<std::string, bool>> m_Watched;
    UINT_PTR m_nTimer = 0;
};

// Pumps messages until the script is done and the windows it saw have
// closed, or until nMs pass; false on the timeout.
bool RunScript(cDlgScript& script, DWORD nMs = 10000);
