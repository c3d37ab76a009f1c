#include "app/StartProgram.h"
#include "forms/Forms.h"
#include "platform/InstanceLock.h"
#include "runtime/MessageBox.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(StartProgram, ASecondInstanceOnTheSameFolderIsRefusedWithAMessage) {
    testing_support::TempProgramFolder folder;
    platform::InstanceLock first(folder.path());
    ASSERT_TRUE(first.acquire());

    runtime::DialogCall shown;
    runtime::setDialogScript([&shown](const runtime::DialogCall& call, QString&) {
        shown = call;
        return runtime::vbOK;
    });
    EXPECT_FALSE(app::startProgram());
    runtime::setDialogScript(nullptr);

    EXPECT_TRUE(shown.prompt.endsWith(".EXE is already running!")) << shown.prompt.toStdString();
    EXPECT_EQ(shown.style, runtime::vbInformation);
    EXPECT_TRUE(shown.title.isEmpty());
    EXPECT_TRUE(forms::Forms::instance().loaded().isEmpty());
}
