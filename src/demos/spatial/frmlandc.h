#pragma once
// Landolt C: a page about the ring targets of acuity testing (what a
// Landolt C is, how the gap measures the finest resolvable detail, and a
// chart of rings), shown in an embedded web browser. The caption follows
// the loading: "Working..." while the browser is busy, then the page's
// title.

#include "forms/forms.h"

namespace forms {
class WebBrowser;
}

class FrmLandC : public forms::Form
{
    Q_OBJECT

public:
    FrmLandC();

    // The page the window opens with, set at every load.
    QString StartingAddress;

protected:
    void createControls() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();

    forms::PictureBox *picAddress = nullptr;
    forms::WebBrowser *brwWebBrowser = nullptr;
    forms::Timer *timTimer = nullptr;
};
