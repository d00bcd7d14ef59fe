#include "CComboBox.h"

#include "QelWindowRegistry.h"

#include <QComboBox>

namespace {

QString TextArgument(long lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    return QString::fromUtf8(text ? text : "");
}

// The framework's search: from the item after `startAfter` to the end, then
// from the start up to and including `startAfter`; -1 searches everything.
int Find(const QComboBox* combo, int startAfter, const QString& text, bool exact) {
    int count = combo->count();
    if (count == 0)
        return CB_ERR;
    if (startAfter < -1 || startAfter >= count)
        startAfter = -1;
    for (int step = 1; step <= count; ++step) {
        int index = (startAfter + step) % count;
        QString item = combo->itemText(index);
        bool match = exact ? item.compare(text, Qt::CaseInsensitive) == 0
                           : item.startsWith(text, Qt::CaseInsensitive);
        if (match)
            return index;
    }
    return CB_ERR;
}

}  // namespace

long CComboBox::HandleMessage(QComboBox* combo, unsigned int message, unsigned long wParam, long lParam) {
    if (!combo)
        return CB_ERR;
    // Our own changes do not notify the parent, as the framework's messages do not.
    QelWindowRegistry::Quiet quiet(combo);
    int index = static_cast<int>(wParam);
    switch (message) {
    case CB_GETCOUNT:
        return combo->count();
    case CB_GETCURSEL:
        return combo->currentIndex();
    case CB_SETCURSEL:
        if (index < 0 || index >= combo->count()) {
            combo->setCurrentIndex(-1);
            if (combo->isEditable())
                combo->setEditText(QString());
            return CB_ERR;
        }
        combo->setCurrentIndex(index);
        return index;
    case CB_SELECTSTRING: {
        int found = Find(combo, index, TextArgument(lParam), false);
        if (found != CB_ERR)
            combo->setCurrentIndex(found);
        return found;
    }
    case CB_FINDSTRING:
        return Find(combo, index, TextArgument(lParam), false);
    case CB_FINDSTRINGEXACT:
        return Find(combo, index, TextArgument(lParam), true);
    case CB_ADDSTRING:
        combo->addItem(TextArgument(lParam));
        return combo->count() - 1;
    case CB_INSERTSTRING:
        if (index == -1)
            index = combo->count();
        if (index < 0 || index > combo->count())
            return CB_ERR;
        combo->insertItem(index, TextArgument(lParam));
        return index;
    case CB_DELETESTRING:
        if (index < 0 || index >= combo->count())
            return CB_ERR;
        combo->removeItem(index);
        return combo->count();
    case CB_GETLBTEXTLEN:
        if (index < 0 || index >= combo->count())
            return CB_ERR;
        return static_cast<long>(combo->itemText(index).toUtf8().size());
    case CB_RESETCONTENT:
        combo->clear();
        return 0;
    default:
        return 0;
    }
}

int CComboBox::GetCount() const {
    return static_cast<int>(HandleMessage(qobject_cast<QComboBox*>(GetWidget()), CB_GETCOUNT, 0, 0));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(HandleMessage(qobject_cast<QComboBox*>(GetWidget()), CB_GETCURSEL, 0, 0));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<unsigned long>(index), 0));
}

int CComboBox::SelectString(int startAfter, const char* text) {
    return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<unsigned long>(startAfter),
                                        reinterpret_cast<long>(text)));
}

int CComboBox::FindString(int startAfter, const char* text) const {
    return static_cast<int>(HandleMessage(qobject_cast<QComboBox*>(GetWidget()), CB_FINDSTRING,
                                          static_cast<unsigned long>(startAfter), reinterpret_cast<long>(text)));
}

int CComboBox::FindStringExact(int startAfter, const char* text) const {
    return static_cast<int>(HandleMessage(qobject_cast<QComboBox*>(GetWidget()), CB_FINDSTRINGEXACT,
                                          static_cast<unsigned long>(startAfter), reinterpret_cast<long>(text)));
}

int CComboBox::AddString(const char* text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<long>(text)));
}

int CComboBox::InsertString(int index, const char* text) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<unsigned long>(index),
                                        reinterpret_cast<long>(text)));
}

int CComboBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<unsigned long>(index), 0));
}

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT, 0, 0);
}

void CComboBox::GetLBText(int index, QelString& text) const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo || index < 0 || index >= combo->count()) {
        text.Empty();
        return;
    }
    QByteArray bytes = combo->itemText(index).toUtf8();
    text.SetString(bytes.constData(), static_cast<int>(bytes.size()));
}

int CComboBox::GetLBTextLen(int index) const {
    return static_cast<int>(HandleMessage(qobject_cast<QComboBox*>(GetWidget()), CB_GETLBTEXTLEN,
                                          static_cast<unsigned long>(index), 0));
}
