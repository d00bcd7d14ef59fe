// The dialog builder library's own resources, registered under the name
// "VORPANE" while the library is loaded.
#pragma once

class QelResource;

QelResource* VorpaneGetResource();
