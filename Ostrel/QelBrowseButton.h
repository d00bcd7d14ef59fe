// QelBrowseButton and QelDirectoryBrowseButton: push buttons that open a
// file (or folder) dialog and write the chosen path into their target
// control, a sibling given by control id. A target that shows several
// records becomes decided, as if the user had typed the path.
#pragma once

#include "QelControl.h"
#include "QelList.h"
#include "QelMediaType.h"

#include <QString>

class QelBrowseButton : public QelControl {
public:
    // The filters of a type-id list: each id names a string of `instance`
    // such as "Scripts (*.js)"; ids without a string are passed over.
    void SetTypeIDs(QelList<unsigned long>* typeIds, HINSTANCE instance);
    void SetType(QelMediaType::eType type) { m_type = type; }
    void SetTargetID(unsigned int id) { m_targetId = id; }
    // True: a dialog to save (the file may be new); false: to open.
    void SetFlag(bool save) { m_save = save; }

    QelMediaType::eType GetType() const { return m_type; }
    unsigned int GetTargetID() const { return m_targetId; }
    bool GetFlag() const { return m_save; }
    // The file dialog's filter for the current type.
    QString GetFilter() const;

    // Opens the dialog as a click does; true when a path was written.
    virtual bool Browse();

protected:
    bool Accepts(QWidget* widget) const override;
    bool OnChildNotify(int code) override;
    // The target's text (the starting point of the dialog) and the new path.
    QString TargetText() const;
    void WriteTarget(const QString& path);

private:
    QelList<unsigned long> m_typeIds;
    HINSTANCE m_instance = nullptr;
    QelMediaType::eType m_type = QelMediaType::AnyFile;
    unsigned int m_targetId = 0;
    bool m_save = false;
};

class QelDirectoryBrowseButton : public QelBrowseButton {
public:
    bool Browse() override;
};
