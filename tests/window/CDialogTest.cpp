// Dialogs from templates: the modal run and its hooks in the framework's
// order, the ways a dialog ends, modeless and embedded dialogs, templates.
#include "WindowTestSupport.h"

#include "QelDialogTemplates.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace {

typedef std::vector<std::string> Log;

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestTemplates(); }
    void TearDown() override { CDialog::SetModalHook(nullptr); }

    // Runs `dialog` modally; `drive` acts once the dialog is up.
    int RunModal(RecordingDialog& dialog, std::function<void(CDialog*)> drive) {
        CDialog::SetModalHook([drive](CDialog* up) {
            EXPECT_TRUE(up->GetWidget()->isVisible());
            drive(up);
        });
        return dialog.DoModal();
    }
    static QWidget* Control(CDialog* dialog, unsigned int id) { return dialog->GetDlgItem(id)->GetWidget(); }
};

TEST_F(DialogTest, OkButtonRunsTheHooksInOrder) {
    RecordingDialog dialog;
    bool shownDuringInit = true;
    dialog.onInit = [&](RecordingDialog* d) {
        shownDuringInit = d->GetWidget()->isVisible();
        d->SetDlgItemText(kName, "Grace");  // controls exist already
    };
    int result = RunModal(dialog, [](CDialog* up) {
        Click(Control(up, kEnabled));
        Click(Control(up, IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(shownDuringInit);
    EXPECT_EQ(dialog.log, (Log{"init", "command 101 768", "command 102 0", "command 1 0", "ok", "destroy"}));
    EXPECT_TRUE(dialog.controlsAtDestroy);
    EXPECT_EQ(dialog.GetWidget(), nullptr);  // the window is gone after the run
    EXPECT_FALSE(dialog.IsModal());
}

TEST_F(DialogTest, CancelButtonEscapeAndClosingCancel) {
    auto run = [&](std::function<void(CDialog*)> drive) {
        RecordingDialog dialog;
        int result = RunModal(dialog, drive);
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dialog.log, (Log{"init", "command 2 0", "cancel", "destroy"}));
    };
    run([](CDialog* up) { Click(Control(up, IDCANCEL)); });
    run([](CDialog* up) { QTest::keyClick(Control(up, kName), Qt::Key_Escape); });
    run([](CDialog* up) { up->GetWidget()->close(); });
}

TEST_F(DialogTest, EnterSendsTheDefaultCommand) {
    RecordingDialog dialog;
    int result = RunModal(dialog, [](CDialog* up) { QTest::keyClick(Control(up, kName), Qt::Key_Return); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.log, (Log{"init", "command 1 0", "ok", "destroy"}));
}

TEST_F(DialogTest, HooksCanRefuseToClose) {
    // A dialog whose OnOK does not end the dialog (a failed validation).
    class Stubborn : public RecordingDialog {
    public:
        int refusals = 1;
        void OnOK() override {
            log.push_back("ok");
            if (refusals-- > 0)
                return;
            CDialog::OnOK();
        }
    } dialog;
    int result = RunModal(dialog, [](CDialog* up) {
        Click(Control(up, IDOK));
        EXPECT_TRUE(up->GetWidget()->isVisible());
        Click(Control(up, IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.Lines("ok").size(), 2u);
}

TEST_F(DialogTest, OtherEndings) {
    {
        // EndDialog with a result of its own, from a command handler.
        RecordingDialog dialog;
        dialog.onCommand = [](RecordingDialog* d, unsigned int id, int) {
            if (id == kEnabled)
                d->EndDialog(7);
        };
        EXPECT_EQ(RunModal(dialog, [](CDialog* up) { Click(Control(up, kEnabled)); }), 7);
        EXPECT_EQ(dialog.log.back(), "destroy");
    }
    {
        // Ended during OnInitDialog: never shown, still destroyed.
        RecordingDialog dialog;
        dialog.onInit = [](RecordingDialog* d) { d->EndDialog(IDOK); };
        bool hookRan = false;
        EXPECT_EQ(RunModal(dialog, [&](CDialog*) { hookRan = true; }), IDOK);
        EXPECT_FALSE(hookRan);
        EXPECT_EQ(dialog.log, (Log{"init", "destroy"}));
    }
    {
        // Ended behind the dialog's back, through Qt.
        RecordingDialog dialog;
        EXPECT_EQ(RunModal(dialog, [](CDialog* up) { static_cast<QDialog*>(up->GetWidget())->done(QDialog::Rejected); }),
                  IDCANCEL);
        EXPECT_EQ(dialog.log, (Log{"init", "destroy"}));
    }
    {
        // The same object runs again with a fresh window.
        RecordingDialog dialog;
        EXPECT_EQ(RunModal(dialog, [](CDialog* up) { Click(Control(up, IDOK)); }), IDOK);
        EXPECT_EQ(RunModal(dialog, [](CDialog* up) { Click(Control(up, IDCANCEL)); }),
                  IDCANCEL);
        EXPECT_EQ(dialog.Lines("init").size(), 2u);
        EXPECT_EQ(dialog.Lines("destroy").size(), 2u);
    }
}

TEST_F(DialogTest, UnknownOrBrokenTemplateGivesMinusOne) {
    RecordingDialog unknown(4711);
    EXPECT_EQ(unknown.DoModal(), -1);
    EXPECT_TRUE(unknown.log.empty());
    RecordingDialog broken(kBrokenTemplate);
    EXPECT_EQ(broken.DoModal(), -1);
    EXPECT_FALSE(broken.Create(kBrokenTemplate));
    EXPECT_TRUE(broken.log.empty());
}

TEST_F(DialogTest, ModelessDialogLivesUntilDestroyed) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestTemplate));
    EXPECT_FALSE(dialog.Create(kTestTemplate));  // one window at a time
    EXPECT_EQ(dialog.GetTemplateId(), static_cast<unsigned>(kTestTemplate));
    EXPECT_TRUE(dialog.GetWidget()->isVisible());
    EXPECT_TRUE(dialog.GetWidget()->isWindow());
    Click(Control(&dialog, IDOK));  // OK hides, does not destroy
    EXPECT_FALSE(dialog.GetWidget()->isVisible());
    EXPECT_EQ(dialog.log, (Log{"init", "command 1 0", "ok"}));
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.log.back(), "destroy");
    EXPECT_TRUE(dialog.controlsAtDestroy);
    EXPECT_EQ(dialog.GetWidget(), nullptr);
    EXPECT_FALSE(dialog.DestroyWindow());

    // Destroying the object destroys its window too (a derived class's
    // OnDestroy is past reach by then: call DestroyWindow first to hear it).
    QPointer<QWidget> window;
    {
        RecordingDialog scoped;
        ASSERT_TRUE(scoped.Create(kTestTemplate));
        window = scoped.GetWidget();
        scoped.GetDlgItem(kName);
    }
    EXPECT_TRUE(window.isNull());
}

TEST_F(DialogTest, PlainWidgetTemplateEmbedsInItsParent) {
    QWidget host;
    CWnd hostWindow;
    ASSERT_TRUE(hostWindow.SubclassWindow(&host));
    auto* dialog = new RecordingDialog;
    ASSERT_TRUE(dialog->Create(kPlainWidgetTemplate, &hostWindow));
    EXPECT_FALSE(dialog->GetWidget()->isWindow());
    EXPECT_EQ(dialog->GetWidget()->parentWidget(), &host);
    EXPECT_EQ(dialog->GetParent(), &hostWindow);
    QTest::keyClicks(Control(dialog, kName), "a");
    EXPECT_EQ(dialog->Lines("command"), Log{"command 101 768"});

    // The host window going away takes the dialog's window with it; the
    // dialog hears of it while its controls still exist.
    hostWindow.UnsubclassWindow();
    QWidget* window = dialog->GetWidget();
    delete window;
    EXPECT_EQ(dialog->log.back(), "destroy");
    EXPECT_TRUE(dialog->controlsAtDestroy);
    EXPECT_EQ(dialog->GetWidget(), nullptr);
    delete dialog;
}

TEST_F(DialogTest, OtherTopLevelClassesAreFramedInADialog) {
    RecordingDialog dialog(kFrameTemplate);
    int result = RunModal(dialog, [](CDialog* up) {
        EXPECT_EQ(up->GetWidget()->windowTitle(), "Framed");
        Click(Control(up, kEnabled));
        QTest::keyClick(Control(up, kEnabled), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"init", "command 102 0", "command 2 0", "cancel", "destroy"}));
}

TEST_F(DialogTest, TemplatesFromFilesAndResources) {
    EXPECT_FALSE(QelDialogTemplates::RegisterFile(9100, "/nonexistent/dialog.ui"));
    EXPECT_FALSE(QelDialogTemplates::RegisterFile(9100, nullptr));
    EXPECT_FALSE(QelDialogTemplates::RegisterResource(9100, "not-a-resource.ui"));
    EXPECT_FALSE(QelDialogTemplates::IsRegistered(9100));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray path = dir.filePath("panel.ui").toUtf8();
    {
        QWidget* sample = QelDialogTemplates::Create(kPlainWidgetTemplate, nullptr);
        ASSERT_NE(sample, nullptr);
        delete sample;
    }
    std::ofstream(path.constData()) << "<ui version=\"4.0\"><widget class=\"QWidget\" name=\"w\">"
                                       "<widget class=\"QLineEdit\" name=\"e\"><property name=\"controlId\" "
                                       "stdset=\"0\"><number>55</number></property></widget></widget></ui>";
    ASSERT_TRUE(QelDialogTemplates::RegisterFile(9100, path.constData()));
    RecordingDialog dialog(9100);
    EXPECT_EQ(RunModal(dialog, [](CDialog* up) { QTest::keyClick(Control(up, 55), Qt::Key_Return); }), IDOK);

    QelDialogTemplates::Unregister(9100);
    EXPECT_FALSE(QelDialogTemplates::IsRegistered(9100));
    EXPECT_EQ(QelDialogTemplates::Create(9100, nullptr), nullptr);
    EXPECT_EQ(RecordingDialog(9100).DoModal(), -1);
}

}  // namespace
