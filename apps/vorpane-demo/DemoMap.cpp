#include "DemoMap.h"

#include "DemoSettings.h"
#include "QelDialogTemplates.h"
#include "VpdAngle.h"
#include "VpdBrowseButton.h"
#include "VpdButton.h"
#include "VpdColourSelector.h"
#include "VpdComboSelect.h"
#include "VpdFloatEdit.h"
#include "VpdGroup.h"
#include "VpdIntEdit.h"
#include "VpdScriptEdit.h"
#include "VpdSlider.h"
#include "VpdStringEdit.h"
#include "VpdTimeEdit.h"
#include "VpdValEntry.h"
#include "VpdVarEntry.h"

#include <cstddef>

#define FIELD(member) new VpdVarEntry(offsetof(DemoSettings, member), sizeof(DemoSettings::member))

namespace {

VpdVarBitField* Flags(int firstBit, int bitCount)
{
    return new VpdVarBitField(offsetof(DemoSettings, flags), sizeof(uint32_t), firstBit, bitCount);
}

// Show grid -> { grid size, snap to grid -> { snap distance } }, with the
// labels greyed along.
QelSuperMapEntry* GridEntries()
{
    auto* snapGroup = new VpdGroup;
    snapGroup->Add(new VpdIntEdit(IdcSnapDistance, FIELD(snapDistance), nullptr, 0, 1, 20, 1.0f, -1, -1, false));
    snapGroup->Add(new VpdStaticGroup(IdcSnapLabel, 0u));

    auto* gridGroup = new VpdGroup;
    gridGroup->Add(new VpdIntEdit(IdcGridSize, FIELD(gridSize), nullptr, 0, 2, 64, 1.0f, -1, -1, false));
    gridGroup->Add(new VpdStaticGroup(IdcGridSizeLabel, 0u));
    // Without a grid there is nothing to snap to: snapping is switched off.
    gridGroup->Add(new VpdCheckBox(IdcSnap, Flags(FlagSnapBit, 1), new VpdValBitField(1), new VpdValBitField(0),
                                   new VpdValBitField(0), snapGroup));
    return new VpdCheckBox(IdcShowGrid, Flags(FlagShowGridBit, 1), new VpdValBitField(1), new VpdValBitField(0),
                           gridGroup);
}

void AddModeEntries(Vorpane::Map* map)
{
    map->Add(new VpdRadioButton(IdcModeAutomatic, Flags(FlagModeBit, FlagModeBits),
                                new VpdValBitField(ModeAutomatic), nullptr, nullptr));
    auto* manual = new VpdGroup;
    manual->Add(new VpdIntEdit(IdcManualRate, FIELD(manualRate), nullptr, 0, 1, 100, 1.0f, 0, -1, false));
    manual->Add(new VpdStaticGroup(IdcRateLabel, 0u));
    map->Add(new VpdRadioButton(IdcModeManual, Flags(FlagModeBit, FlagModeBits), new VpdValBitField(ModeManual),
                                nullptr, manual));
    map->Add(new VpdRadioButton(IdcModeOff, Flags(FlagModeBit, FlagModeBits), new VpdValBitField(ModeOff), nullptr,
                                nullptr));
}

}  // namespace

bool RegisterDemoTemplate()
{
    Q_INIT_RESOURCE(vorpane_demo);
    return QelDialogTemplates::IsRegistered(DemoTemplateId) ||
           QelDialogTemplates::RegisterResource(DemoTemplateId, ":/vorpane-demo/settings.ui");
}

Vorpane::Map* BuildDemoMap()
{
    auto* map = new Vorpane::Map;
    // General
    map->Add(new VpdStringEdit(IdcName, FIELD(name), nullptr));
    map->Add(new VpdHistoryCombo(IdcProject, FIELD(project), nullptr, "vorpane-demo/project"));
    map->Add(new VpdComboString(IdcFormat, FIELD(format)));
    map->Add(new VpdComboSelect(IdcQuality, FIELD(quality), nullptr));
    map->Add(new VpdStatic(IdcTitle, FIELD(title)));
    // Display: buttons first, so that the edit boxes after them report a
    // change once every button shows its state.
    map->Add(GridEntries());
    AddModeEntries(map);
    map->Add(new VpdAngle(IdcAngle, FIELD(angle), nullptr, QelAngleControl::FullCircle, 0));
    map->Add(new VpdColourSelectorTolerance(IdcColour, FIELD(colour), FIELD(tolerance), nullptr, nullptr));
    // Sound
    map->Add(new VpdPercentIntEdit(IdcVolume, FIELD(volume), nullptr, 0, 200, false));
    map->Add(new VpdFloatEdit(IdcGain, FIELD(gain), nullptr, 0.0, -12.0, 12.0, 1.0f));
    map->Add(new VpdFloatEdit(IdcSpeed, FIELD(speed), nullptr, 0.0, -1.0, 4.0, 1.0f));
    map->Add(new VpdIntEdit(IdcBalance, FIELD(balance), nullptr, 0, -50, 50, 1.0f, 0, -1, false));
    map->Add(new VpdSlider(IdcLevel, FIELD(level), nullptr, 0, 10));
    map->Add(new VpdTimeEdit(IdcFade, FIELD(fadeMs), nullptr, 2, 10000, -1, -1));
    map->Add(new VpdMinSecEdit(IdcDelay, FIELD(delayMs), nullptr));
    // Files
    map->Add(new VpdStringEdit(IdcSample, FIELD(sample), nullptr));
    map->Add(new VpdBrowseButton(IdcSampleBrowse, IdcSample, QelMediaType::Sound, false));
    map->Add(new VpdStringEdit(IdcFolder, FIELD(folder), nullptr));
    map->Add(new VpdDirectoryBrowseButton(IdcFolderBrowse, IdcFolder));
    map->Add(new VpdScriptEdit(IdcScript, FIELD(script), nullptr));
    return map;
}
