// Everything a host needs to run scripts, in one include: the application
// object and environment, parser, global object and session, the console
// interface, values and objects, built-in objects for the host's own native
// functions, script function objects, run-time errors and the version.
#pragma once

#include "CorvelBuiltInObject.h"
#include "CorvelConsole.h"
#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelStatementList.h"
#include "CorvelStatus.h"
#include "CorvelValue.h"
#include "CorvelVersion.h"
#include "QelApp.h"
#include "QelString.h"
