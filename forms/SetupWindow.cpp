#include "Form1.h"

#include "Form2.h"

namespace {
const char kExplanation[] =
    "Clicking \"Install\" will install Tessellux to your hard disk and  select it as the default "
    "screen saver.  When the installation program is finished, the Display Properties - Screen "
    "Saver window will appear and you can then configure Tessellux settings.  You can also "
    "access Tessellux settings by right-clicking the Tessellux desktop icon (if selected to "
    "install) and selecting \"Configure\" from the pop-up menu.  The screen saver will be "
    "installed to:\r\n\r\n";

const char kCredits[] = "Written by Orrinwald\r\nsupport@tessellux.example";

// Gaps between the picture and the text boxes, in pixels.
constexpr int kExplanationGap = 25;
constexpr int kCreditsGap = 10;
constexpr int kCreditsExtraWidth = 10;
} // namespace

bool Form1::SetupWindow() {
    BackdropReference = std::make_unique<Form2>();
    BackdropReference->LoadWindow(nullptr, "ID_Form2");

    // Topmost, so the backdrop (which is not) can never cover this window.
    SetTopmost(true);
    SetStackingPosition(0);

    LayOutAroundPicture();

    textb_1->SetText(kExplanation);
    installDirectory = WProcess::QueryWindowsDirectory();
    textb_1->AppendText(installDirectory, true);

    textb_2->SetText(kCredits);

    WBuffer readme;
    if (WModule().LoadResourceToBuffer("RES_RTF", readme))
        rtb_1->StreamIn(readme, false);
    return false;
}

void Form1::LayOutAroundPicture() {
    const WRect picture = pictb_1->GetRectangle();
    textb_1->SetLeft(picture.left + picture.width + kExplanationGap, true);
    textb_2->SetLeft(picture.left, true);
    textb_2->SetTop(picture.top + picture.height + kCreditsGap, true);
    textb_2->SetWidth(picture.width + kCreditsExtraWidth, true);
}
