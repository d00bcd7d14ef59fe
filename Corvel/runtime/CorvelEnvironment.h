// CorvelEnvironment: what all scripts of one application share, the sixteen
// standard objects and the object table. Library code without a context
// finds it through Get(), which asks the host application object.
#pragma once

#include "CorvelMemoryBudget.h"
#include "QelApp.h"

class CorvelObjectTable;
class CorvelStandardArrayConstructor;
class CorvelStandardArrayPrototype;
class CorvelStandardBooleanConstructor;
class CorvelStandardBooleanPrototype;
class CorvelStandardDateConstructor;
class CorvelStandardDatePrototype;
class CorvelStandardFunctionConstructor;
class CorvelStandardFunctionPrototype;
class CorvelStandardNumberConstructor;
class CorvelStandardNumberPrototype;
class CorvelStandardObjectConstructor;
class CorvelStandardObjectPrototype;
class CorvelStandardStringConstructor;
class CorvelStandardStringPrototype;
class CorvelStandardMathObject;
class CorvelDebugObject;

class CorvelEnvironment {
public:
    enum State { Initial = 0 };

    CorvelEnvironment();
    virtual ~CorvelEnvironment();

    CorvelEnvironment(const CorvelEnvironment&) = delete;
    CorvelEnvironment& operator=(const CorvelEnvironment&) = delete;

    // Creates the sixteen standard objects (without setting them up).
    void Init();
    // Runs every standard object's SetupObject.
    void Restart();
    // Deletes the standard objects, then the object table.
    void Close();
    // Entry points for the host; they do nothing.
    void BeginRunning() {}
    void Finish() {}

    // The host application's environment, or null. Asked every time: a
    // host may switch environments, and the answer must follow at once.
    static CorvelEnvironment* Get() {
        QelApp* app = GetQelApp();
        return app ? app->GetScriptEnvironment() : nullptr;
    }

    State GetState() const { return state; }
    // The bytes this environment's scripts may hold (0, the default, for no
    // limit): past it they end with the out-of-memory error.
    CorvelMemoryBudget& GetMemoryBudget() { return memoryBudget; }
    void SetMemoryLimit(size_t bytes) { memoryBudget.SetLimit(bytes); }
    CorvelObjectTable* GetObjectTable() const { return objectTable; }

    CorvelStandardArrayConstructor* GetStandardArrayConstructor() const { return standardArrayConstructor; }
    CorvelStandardArrayPrototype* GetStandardArrayPrototype() const { return standardArrayPrototype; }
    CorvelStandardBooleanConstructor* GetStandardBooleanConstructor() const { return standardBooleanConstructor; }
    CorvelStandardBooleanPrototype* GetStandardBooleanPrototype() const { return standardBooleanPrototype; }
    CorvelStandardDateConstructor* GetStandardDateConstructor() const { return standardDateConstructor; }
    CorvelStandardDatePrototype* GetStandardDatePrototype() const { return standardDatePrototype; }
    CorvelStandardFunctionConstructor* GetStandardFunctionConstructor() const { return standardFunctionConstructor; }
    CorvelStandardFunctionPrototype* GetStandardFunctionPrototype() const { return standardFunctionPrototype; }
    CorvelStandardNumberConstructor* GetStandardNumberConstructor() const { return standardNumberConstructor; }
    CorvelStandardNumberPrototype* GetStandardNumberPrototype() const { return standardNumberPrototype; }
    CorvelStandardObjectConstructor* GetStandardObjectConstructor() const { return standardObjectConstructor; }
    CorvelStandardObjectPrototype* GetStandardObjectPrototype() const { return standardObjectPrototype; }
    CorvelStandardStringConstructor* GetStandardStringConstructor() const { return standardStringConstructor; }
    CorvelStandardStringPrototype* GetStandardStringPrototype() const { return standardStringPrototype; }
    CorvelStandardMathObject* GetStandardMathObject() const { return standardMathObject; }
    CorvelDebugObject* GetDebugObject() const { return debugObject; }

private:
    State state = Initial;
    CorvelMemoryBudget memoryBudget;
    CorvelObjectTable* objectTable = nullptr;
    CorvelStandardArrayConstructor* standardArrayConstructor = nullptr;
    CorvelStandardArrayPrototype* standardArrayPrototype = nullptr;
    CorvelStandardBooleanConstructor* standardBooleanConstructor = nullptr;
    CorvelStandardBooleanPrototype* standardBooleanPrototype = nullptr;
    CorvelStandardDateConstructor* standardDateConstructor = nullptr;
    CorvelStandardDatePrototype* standardDatePrototype = nullptr;
    CorvelStandardFunctionConstructor* standardFunctionConstructor = nullptr;
    CorvelStandardFunctionPrototype* standardFunctionPrototype = nullptr;
    CorvelStandardNumberConstructor* standardNumberConstructor = nullptr;
    CorvelStandardNumberPrototype* standardNumberPrototype = nullptr;
    CorvelStandardObjectConstructor* standardObjectConstructor = nullptr;
    CorvelStandardObjectPrototype* standardObjectPrototype = nullptr;
    CorvelStandardStringConstructor* standardStringConstructor = nullptr;
    CorvelStandardStringPrototype* standardStringPrototype = nullptr;
    CorvelStandardMathObject* standardMathObject = nullptr;
    CorvelDebugObject* debugObject = nullptr;
};
