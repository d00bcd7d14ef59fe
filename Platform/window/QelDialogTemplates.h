// QelDialogTemplates: dialog templates by numeric id.
//
// Templates are Qt Designer .ui files in which every control carries its
// control id as the dynamic property "controlId" (unsigned int). A template
// whose top-level widget is a QDialog or a plain QWidget is made as a
// QDialog (so a CDialog can run it); other top-level classes are made as
// they are.
#pragma once

class QByteArray;
class QWidget;

class QelDialogTemplates {
public:
    static void Register(unsigned int id, const QByteArray& uiText);
    static bool RegisterFile(unsigned int id, const char* path);          // false when unreadable
    static bool RegisterResource(unsigned int id, const char* qrcPath);   // ":/..." from a Qt resource
    static void Unregister(unsigned int id);
    static bool IsRegistered(unsigned int id);
    // A new widget tree from the template, under `parent`; null when the id
    // is unknown or the text is not a usable .ui file.
    static QWidget* Create(unsigned int id, QWidget* parent);
};
