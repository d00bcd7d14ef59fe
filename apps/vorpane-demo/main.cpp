// vorpane-demo: a settings dialog built from a map, over one record or
// several. Prints the records before and after the dialog.
#include "DemoDialog.h"
#include "DemoDriver.h"
#include "DemoMap.h"
#include "DemoOptions.h"
#include "DemoSettings.h"
#include "VorpaneModal.h"

#include <QApplication>

#include <iostream>
#include <memory>

namespace {

// Plays the command line's part once the dialog is up; a message on failure.
std::string Drive(CDialog* dialog, const DemoOptions& options)
{
    std::string error;
    for (const auto& [control, value] : options.sets)
        if (!DemoDriver::Set(dialog, control, value, error))
            return error;
    if (!options.screenshot.empty() && !DemoDriver::Screenshot(dialog, options.screenshot, error))
        return error;
    if (options.press == DemoOptions::PressOk)
        DemoDriver::Press(dialog, IDOK);
    else if (options.press == DemoOptions::PressCancel || !options.screenshot.empty())
        DemoDriver::Press(dialog, IDCANCEL);
    return error;
}

// A picture needs no screen: without one, the offscreen platform draws it.
void ChoosePlatform(const DemoOptions& options)
{
    const bool hasScreen = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!options.screenshot.empty() && !hasScreen && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace

int main(int argc, char** argv)
{
    DemoOptions options;
    std::string error;
    if (!options.Parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::cerr << "vorpane-demo: " << error << "\n" << DemoOptions::Usage();
        return 2;
    }
    if (options.help) {
        std::cout << DemoOptions::Usage();
        return 0;
    }
    ChoosePlatform(options);
    QApplication application(argc, argv);
    QApplication::setApplicationName("vorpane-demo");
    QApplication::setStyle("Fusion");
    if (!RegisterDemoTemplate()) {
        std::cerr << "vorpane-demo: the dialog template is missing\n";
        return 1;
    }

    std::unique_ptr<Vorpane::Map> map(BuildDemoMap());
    std::vector<DemoSettings> records = SampleRecords(options.records);
    PrintRecords(std::cout, records);
    std::cout << "---\n";

    std::string driveError;
    if (options.IsScripted())
        CDialog::SetModalHook([&](CDialog* dialog) {
            driveError = Drive(dialog, options);
            if (!driveError.empty())
                dialog->EndDialog(IDCANCEL);
        });
    int result;
    if (records.size() == 1) {
        VorpaneModal dialog(DemoTemplateId, map.get());
        result = dialog.DoModal(&records.front());
    } else {
        DemoDialog dialog(DemoTemplateId, map.get(), &records);
        result = dialog.DoModal();
    }
    CDialog::SetModalHook(nullptr);

    PrintRecords(std::cout, records);
    if (!driveError.empty()) {
        std::cerr << "vorpane-demo: " << driveError << "\n";
        return 2;
    }
    return result == -1 ? 1 : 0;
}
