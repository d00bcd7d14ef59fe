// The innermost scope of a running script function: its parameters by name,
// its local variables and "arguments". The arguments object lists the
// actual arguments by index; indexes below the number of formal parameters
// are the parameters themselves, read and written through the activation.
// Most calls never name "arguments", so its object is made on first use;
// until then the activation answers for the name as if it were there.
#pragma once

#include "CorvelObject.h"

#include <memory>

class CorvelIdentifierList;
class CorvelStandardFunctionInstance;

class CorvelActivationObject : public CorvelObject {
public:
    class CorvelArgumentObject : public CorvelObject {
    public:
        // `extraArguments` are the arguments beyond the parameters.
        CorvelArgumentObject(CorvelActivationObject* activation, const CorvelValue* extraArguments,
                             int argumentCount, CorvelStandardFunctionInstance* function);

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

    // The arguments are read during construction only: those beyond the
    // parameters are copied, so the caller's array may move or go while
    // the call runs.
    CorvelActivationObject(const CorvelIdentifierList* parameters, const CorvelValue* arguments, int argumentCount,
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
    // What the arguments object is made from besides the parameters: the
    // arguments beyond them (most calls have none, and need no copy).
    std::unique_ptr<CorvelValue[]> extraArguments;
    int argumentCount;
    CorvelStandardFunctionInstance* function;
    bool argumentsPending = true;
    // Key rather than pointer: the arguments object may die first.
    unsigned long argumentObjectKey = 0;
};
