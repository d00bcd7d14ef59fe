// The innermost scope of a running script function: its parameters by name,
// its local variables and "arguments". The arguments object lists the
// actual arguments by index; indexes below the number of formal parameters
// are the parameters themselves, read and written through the activation.
// Most calls never name "arguments", so its object is made on first use;
// until then the activation answers for the name as if it were there.
#pragma once

#include "CorvelObject.h"

class CorvelIdentifierList;
class CorvelStandardFunctionInstance;

class CorvelActivationObject : public CorvelObject {
public:
    class CorvelArgumentObject : public CorvelObject {
    public:
        CorvelArgumentObject(CorvelActivationObject* activation, CorvelValue* arguments, int argumentCount,
                             CorvelStandardFunctionInstance* function);

        void Put(const char* propertyName, const CorvelValue& value) override;
        bool Delete(const char* propertyName) override;

    protected:
        // An index name below the parameter count reads the parameter.
        const CorvelValue* FindOwn(const CorvelPropertyStore::Name& key, const char* propertyName,
                                   bool make) const override;

    private:
        friend class CorvelActivationObject;
        // The parameter an index name stands for, or null.
        const char* AliasedParameter(const char* propertyName) const;
        // The activation is going away: the aliased parameters become plain
        // properties holding their last values.
        void Detach();

        CorvelActivationObject* activation;
        int parameterCount;
    };

    CorvelActivationObject(const CorvelIdentifierList* parameters, CorvelValue* arguments, int argumentCount,
                           CorvelStandardFunctionInstance* function);
    ~CorvelActivationObject() override;

    ClassType Class() const override;
    // Every name a function uses is looked up here first, and an activation
    // has no prototype: these answer from its own properties at once.
    const CorvelValue& Get(const char* propertyName) const override;
    bool HasProperty(const char* propertyName) const override;
    void Put(const char* propertyName, const CorvelValue& value) override;
    bool Delete(const char* propertyName) override;
    PropertyEnumerator* BeginPropertyEnumeration() override;
    void ResetObject() override;

    int GetParameterCount() const;
    // The name of formal parameter `index`.
    const char* GetParameterName(int index) const;

protected:
    const CorvelValue* FindOwn(const CorvelPropertyStore::Name& key, const char* propertyName,
                               bool make) const override;

private:
    // True while "arguments" is still the untouched, unmade object.
    bool IsPendingArguments(const char* propertyName) const;
    void CreateArgumentObject();

    const CorvelIdentifierList* parameters;
    // What the arguments object is made from; the caller's argument array
    // lives as long as the call, and the name is looked up only during it.
    CorvelValue* arguments;
    int argumentCount;
    CorvelStandardFunctionInstance* function;
    bool argumentsPending = true;
    // Key rather than pointer: the arguments object may die first.
    unsigned long argumentObjectKey = 0;
};
