#pragma once
// An animation of Mach bands: a staircase of flat greys and, in turn, a
// ramp between two flat greys. At every edge the eye sees a lighter band
// on the light side and a darker band on the dark side, yet the light on
// the screen is flat there: the plot beneath draws the luminance across
// the pattern, and a probe sweeping across reads the grey level it passes.
// Space pauses the sweep, Escape closes the window.

#include <QWidget>

namespace forms {
class Timer;
}

class MachBandsAnimation : public QWidget
{
    Q_OBJECT

public:
    enum class Pattern { Staircase, Ramp };

    // A window of its own, owned by owner (it closes when the owner goes).
    explicit MachBandsAnimation(QWidget *owner);

    // Where the pattern and the luminance plot are drawn (logical pixels).
    static constexpr QRect PatternRect{40, 40, 560, 200};
    static constexpr QRect PlotRect{40, 272, 560, 140};
    // The greys: eight flat steps; the ramp's plateaus and its run.
    static constexpr int Steps = 8;
    static constexpr int StepWidth = 70;
    static int stepLevel(int step) { return 40 + 25 * step; }
    static constexpr int RampDark = 60;
    static constexpr int RampLight = 200;
    static constexpr int RampStart = 180;
    static constexpr int RampEnd = 380;
    // The grey of the pattern at column x (0 to 559).
    static int level(Pattern pattern, int x);

    Pattern pattern() const { return m_pattern; }
    // The probe's column in the pattern.
    int probe() const { return m_probe; }
    forms::Timer *timer() const { return m_timer; }

    // The picture of the object: a small staircase.
    static QIcon icon();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void step();
    void drawPattern(QPainter &p) const;
    void drawPlot(QPainter &p) const;
    void drawProbe(QPainter &p) const;
    int plotY(int level) const;

    forms::Timer *m_timer;
    Pattern m_pattern = Pattern::Staircase;
    int m_probe = 0;
    int m_direction = 1;
};
