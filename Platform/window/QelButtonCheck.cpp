#include "QelButtonCheck.h"

#include <QAbstractButton>
#include <QButtonGroup>

void QelButtonCheck::Set(QAbstractButton* button, bool checked)
{
    if (checked) {
        button->setChecked(true);
        return;
    }
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}
