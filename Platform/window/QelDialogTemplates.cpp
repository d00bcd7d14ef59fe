#include "QelDialogTemplates.h"

#include "QelDialogWidget.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QUiLoader>
#include <QVBoxLayout>

namespace {

QHash<unsigned int, QByteArray>& Templates() {
    static QHash<unsigned int, QByteArray> templates;
    return templates;
}

// Makes the template's top-level QDialog or QWidget as our dialog widget,
// and everything else as the standard loader does.
class DialogLoader : public QUiLoader {
public:
    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
        if (!m_madeTop) {
            m_madeTop = true;
            if (className == QLatin1String("QDialog") || className == QLatin1String("QWidget")) {
                auto* dialog = new QelDialogWidget(parent);
                dialog->setObjectName(name);
                dialog->SetFromPlainWidget(className == QLatin1String("QWidget"));
                return dialog;
            }
        }
        return QUiLoader::createWidget(className, parent, name);
    }

private:
    bool m_madeTop = false;
};

bool ReadFile(const QString& path, QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = file.readAll();
    return true;
}

}  // namespace

void QelDialogTemplates::Register(unsigned int id, const QByteArray& uiText) {
    Templates().insert(id, uiText);
}

bool QelDialogTemplates::RegisterFile(unsigned int id, const char* path) {
    QByteArray text;
    if (!path || !ReadFile(QString::fromUtf8(path), text))
        return false;
    Register(id, text);
    return true;
}

bool QelDialogTemplates::RegisterResource(unsigned int id, const char* qrcPath) {
    if (!qrcPath || qrcPath[0] != ':')
        return false;
    return RegisterFile(id, qrcPath);
}

void QelDialogTemplates::Unregister(unsigned int id) {
    Templates().remove(id);
}

bool QelDialogTemplates::IsRegistered(unsigned int id) {
    return Templates().contains(id);
}

QWidget* QelDialogTemplates::Create(unsigned int id, QWidget* parent) {
    // Widgets need the host's QApplication; without one there is no dialog.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    auto found = Templates().constFind(id);
    if (found == Templates().constEnd())
        return nullptr;
    QByteArray text = found.value();
    QBuffer buffer(&text);
    if (!buffer.open(QIODevice::ReadOnly))
        return nullptr;
    DialogLoader loader;
    return loader.load(&buffer, parent);
}
