// QelHistoryEditCombo: an editable combo box (QComboBox) whose drop-down
// list is the history of texts committed under its key, most recent first.
//
// Histories survive restarts: they are kept in "history.ini" in the user's
// configuration directory for the application
// (QStandardPaths::AppConfigLocation), one list per key, at most MaxEntries
// texts each. The empty key is a key like any other.
//
// Undecided look: the text is empty with "(several values)" as placeholder,
// in italics. Typing or picking an entry decides.
#pragma once

#include "QelControl.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QComboBox;

class QelHistoryEditCombo : public QelControl {
public:
    ~QelHistoryEditCombo() override;
    static constexpr int MaxEntries = 16;

    explicit QelHistoryEditCombo(const char* key);

    // Shows `text` outright when `first`, else merges (see QelControl).
    void SetWindowTextA(const char* text, bool first);
    // The text shown (empty while undecided).
    void GetWindowTextA(QelString& text) const;
    // Records the text shown at the top of the key's history and saves it;
    // an empty text records nothing.
    void Commit();
    bool SetUserText(const char* text) override;

    const QString& GetKey() const { return m_key; }
    // The stored history of a key, most recent first.
    static QStringList LoadHistory(const QString& key);
    static void SaveHistory(const QString& key, const QStringList& history);
    // Where the histories are kept.
    static QString HistoryFile();

protected:
    bool Accepts(QWidget* widget) const override;
    void OnAttach() override;
    void OnDetach() override;
    void ShowMultiSelected(bool multiSelected) override;

private:
    QComboBox* GetCombo() const;
    void PutText(const QString& text);
    void FillList();

    QString m_key;
    QString m_decidedText;
    bool m_ownEditable = true;
    QStringList m_ownItems;
    QFont m_font;
};
