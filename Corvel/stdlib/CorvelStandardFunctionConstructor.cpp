#include "CorvelStandardFunctionConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelMessages.h"
#include "CorvelParser.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelStandardFunctionPrototype.h"

CorvelStandardFunctionConstructor::CorvelStandardFunctionConstructor() {}

// All arguments but the last are parameter names, joined with ","; the last
// is the body.
QelString CorvelStandardFunctionConstructor::BuildSource(CorvelValue* arguments, int argumentCount) {
    QelString parameters;
    for (int i = 0; i < argumentCount - 1; ++i) {
        arguments[i].ToString();
        if (i > 0) parameters += ",";
        parameters += arguments[i].GetString();
    }
    QelString body;
    if (argumentCount > 0) {
        arguments[argumentCount - 1].ToString();
        body = arguments[argumentCount - 1].GetString();
    }
    QelString source;
    source.Format("function anonymous (%s)\n{\n%s\n}\n", parameters.GetText(), body.GetText());
    return source;
}

CorvelStatus CorvelStandardFunctionConstructor::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                          int argumentCount, const CorvelValue&) {
    QelString source = BuildSource(arguments, argumentCount);
    CorvelParser parser("created function");
    QelString errors;
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    if (!parser.Parse(source.GetText(), errors) || parser.GetErrorCount() != 0 || functions->IsEmpty()) {
        CorvelRuntimeException::Raise(parser.RanOutOfMemory() ? CorvelMessages::OutOfMemory
                                                               : CorvelMessages::CreatedFunctionParseError);
    }
    // The parser goes when this call ends; the function keeps its definition,
    // taken from the parser only once the function exists.
    CorvelStandardFunctionInstance* function = new CorvelStandardFunctionInstance(functions->GetHead(), "anonymous");
    functions->RemoveHead();
    function->TakeOwnershipOfDefinition();
    context->GetReturnValue() = CorvelValue((unsigned long)function->GetKey());
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardFunctionConstructor::Call(CorvelExecutionContext* context, CorvelValue* arguments,
                                                     int argumentCount, const CorvelValue& thisValue) {
    return Construct(context, arguments, argumentCount, thisValue);
}

void CorvelStandardFunctionConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardFunctionPrototype() : nullptr, 1);
    CorvelStandardConstructor::SetupObject();
}
