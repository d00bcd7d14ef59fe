// The demo's dialog: its template id, control ids and the map that binds
// the controls to DemoSettings.
#pragma once

#include "Vorpane.h"

enum { DemoTemplateId = 4000 };

enum DemoControl : unsigned int {
    IdcName = 1001, IdcProject, IdcFormat, IdcQuality, IdcTitle,
    IdcVolume = 1010, IdcGain, IdcSpeed, IdcBalance, IdcLevel, IdcFade, IdcDelay,
    IdcShowGrid = 1020, IdcGridSizeLabel, IdcGridSize, IdcSnap, IdcSnapLabel, IdcSnapDistance,
    IdcModeAutomatic, IdcModeManual, IdcModeOff, IdcRateLabel, IdcManualRate, IdcAngle, IdcColour,
    IdcSample = 1040, IdcSampleBrowse, IdcFolder, IdcFolderBrowse,
    IdcScript = 1050
};

// Registers the dialog template (once).
bool RegisterDemoTemplate();
// A new map over DemoSettings; the caller owns it.
Vorpane::Map* BuildDemoMap();
