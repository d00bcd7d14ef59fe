// Everything the utility library offers, in one include.
#pragma once

#include "QelApp.h"
#include "QelArray.h"
#include "QelException.h"
#include "QelList.h"
#include "QelResource.h"
#include "QelString.h"
