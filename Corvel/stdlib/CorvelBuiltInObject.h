// CorvelBuiltInObject: an object with a table of native methods. A method
// becomes a function object only when it is first read; the function object
// is then kept as an ordinary DontEnum property, so a script may replace or
// delete it and the next read makes a fresh one.
#pragma once

#include "CorvelBuiltInFunction.h"
#include "CorvelObject.h"

#include <vector>

class CorvelBuiltInObject : public CorvelObject {
public:
    explicit CorvelBuiltInObject(bool registerNow);

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    PropertyEnumerator* BeginPropertyEnumeration() override;

    // The native method registered under `name`, or null.
    CorvelNativeFunction FindMethod(const char* name) const;
    int GetMethodCount() const { return (int)m_methods.size(); }
    // Beyond the store only methods are answered.
    bool MayHaveIndexNames() const override { return HasStoredIndexNames() || m_digitMethodName; }

protected:
    // A method not read yet is made into its function object now (or, when
    // only asked about, answered by a stand-in).
    const CorvelValue* FindOwn(const CorvelPropertyStore::Name& key, const char* name, bool make) const override;
    // Registers a method; a name registered twice keeps its first function.
    void AddMethod(const char* name, CorvelNativeFunction function);

private:
    struct Method {
        QelString name;
        uint32_t bucket;
        uint32_t indexHash;
        CorvelNativeFunction function;
    };

    const Method* FindMethod(const CorvelPropertyStore::Name& name) const;
    const CorvelValue& Materialise(const CorvelPropertyStore::Name& name, const Method& method) const;
    void RebuildIndex();
    void IndexMethod(size_t i);

    std::vector<Method> m_methods;  // in registration order
    // Open addressing over m_methods: slot holds index + 1, 0 when free.
    std::vector<uint16_t> m_index;
    bool m_digitMethodName = false;
};
