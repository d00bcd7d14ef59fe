// The base of every map entry: one dialog control (by control id) tied to a
// field of the host's record.
#pragma once

class CWnd;

// The six operations a dialog runs over its map. `dialog` is the dialog
// window (a class derived from both CDialog and Vorpane); `hasRecord` is true
// when a record is given; `first` is false for the further records of
// multi-record editing; `active` is false when the check box or radio button
// above the entry is not checked, so the entry writes its inactive value.
class QelSuperMapEntry {
public:
    explicit QelSuperMapEntry(unsigned int id) : id(id) {}
    virtual ~QelSuperMapEntry() = default;
    QelSuperMapEntry(const QelSuperMapEntry&) = delete;
    QelSuperMapEntry& operator=(const QelSuperMapEntry&) = delete;

    virtual void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first);
    virtual void DialogToData(CWnd* dialog, unsigned char* record, bool active);
    // Enables the entry's own control when `enable` is true, else disables it.
    virtual void UpdateGreying(CWnd* dialog, bool enable);
    virtual void InitControls(CWnd* dialog);
    virtual void DestroyControls(CWnd* dialog);
    // Shows or hides the entry's own control (SW_SHOW / SW_HIDE).
    virtual void ShowWindow(CWnd* dialog, int show);

    // The entry's control id; 0 when it has no control of its own.
    unsigned int id;
};
