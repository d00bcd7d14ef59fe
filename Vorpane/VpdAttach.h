// VpdAttach: how entries put a control object over a dialog's control and
// take it off again, through the dialog's table of temporary objects.
#pragma once

class CWnd;
class Vorpane;

class VpdAttach {
public:
    // Takes over the dialog's control `id` with `control` and registers it
    // under the id. When there is no such control, it is of the wrong kind
    // or already taken over, or the window is no Vorpane dialog, the object
    // is deleted and false answered.
    static bool Attach(CWnd* dialog, unsigned int id, CWnd* control);
    // Removes the object registered under `id`, gives its control back and
    // deletes it; nothing when none is registered.
    static void Detach(CWnd* dialog, unsigned int id);
    // The object registered under `id`, or null.
    static CWnd* Find(CWnd* dialog, unsigned int id);

    template <class T>
    static T* Find(CWnd* dialog, unsigned int id)
    {
        return dynamic_cast<T*>(Find(dialog, id));
    }
};
