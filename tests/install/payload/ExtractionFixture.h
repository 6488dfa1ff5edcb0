#pragma once
// A Form1 without a window whose screen saver and help file paths lie in a scratch folder.
#include "Form1.h"
#include "PayloadTestSupport.h"

#include <gtest/gtest.h>

class ExtractionFixture : public testing::Test {
protected:
    void SetUp() override {
        form.SetScreenSaverPath(screenSaverPath.c_str());
        form.SetHelpFilePath(helpFilePath.c_str());
    }

    ScratchFolder folder;
    const std::string screenSaverPath = folder / "Tessellux.scr";
    const std::string helpFilePath = folder / "Tessellux.chm";
    Form1 form;
};
