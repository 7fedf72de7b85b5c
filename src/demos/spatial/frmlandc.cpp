#include "frmlandc.h"

#include "forms/webbrowser.h"

using namespace forms;

namespace {
// Runs one step of a procedure whose failing steps are skipped: an error
// ends the step, not the procedure, and is not reported.
template <typename Step>
void skippingErrors(Step step)
{
    try {
        step();
    } catch (const RuntimeError &) {
    }
}
} // namespace

FrmLandC::FrmLandC()
    : Form({.name = QStringLiteral("frmLandC"),
            .caption = QString(), // set while the page loads
            .clientWidth = 6540,
            .clientHeight = 5130,
            .border = Border::Sizable,
            .mdiChild = true})
{
}

void FrmLandC::createControls()
{
    // An empty strip along the top; the browser, made after it, lies in
    // front of it, so the page is seen whole.
    picAddress = add<PictureBox>(this, QStringLiteral("picAddress"), 0, 0, 6540, 675);
    picAddress->setAlign(PictureBox::AlignTop);
    brwWebBrowser = add<WebBrowser>(this, QStringLiteral("brwWebBrowser"), 45, 15, 5400, 4935);
    timTimer = addTimer(QStringLiteral("timTimer"), 5, false);

    on(timTimer, &Timer::Tick, this, &FrmLandC::timTimer_Timer);
    on(brwWebBrowser, &WebBrowser::DownloadComplete, this, &FrmLandC::brwWebBrowser_DownloadComplete);
}

void FrmLandC::Form_Load()
{
    skippingErrors([this] { Show(); });
    skippingErrors([this] { Form_Resize(); });
    skippingErrors([this] { StartingAddress = QStringLiteral("../landoltc.html"); });
    skippingErrors([this] {
        if (!StartingAddress.isEmpty()) {
            timTimer->setEnabled(true);
            brwWebBrowser->Navigate(StartingAddress);
        }
    });
}

void FrmLandC::Form_Resize()
{
    // A 100-twip margin right of and below the browser; its left and top
    // stay where they are.
    brwWebBrowser->setWidth(ScaleWidth() - 100);
    brwWebBrowser->setHeight(ScaleHeight() - (picAddress->Top() + picAddress->Height()) - 100);
}

void FrmLandC::timTimer_Timer()
{
    if (brwWebBrowser->Busy()) {
        setCaption(QStringLiteral("Working..."));
    } else {
        timTimer->setEnabled(false);
        setCaption(brwWebBrowser->LocationName());
    }
}

void FrmLandC::brwWebBrowser_DownloadComplete()
{
    skippingErrors([this] { setCaption(brwWebBrowser->LocationName()); });
}
