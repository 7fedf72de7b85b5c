#pragma once
// A window: one instance per window type for the whole run. Load builds
// the controls from their design values and runs Form_Load; Unload (or the
// close box) discards controls, drawings and running timers while the
// window's own members keep their values. A child window lives in the main
// window's MDI area and is shown as soon as it is loaded; a top-level
// window has no owner. Its client area is a drawing surface like a picture
// box, with a Picture of its own shown unscaled at the top left.

#include "forms/canvas.h"
#include "forms/color.h"
#include "forms/control.h"
#include "forms/controlarray.h"
#include "forms/events.h"
#include "forms/timer.h"

#include <QIcon>
#include <algorithm>
#include <vector>
#include <QPointer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace forms {

class LineControl;

class Form : public QWidget, public Canvas
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(double ScaleWidth READ ScaleWidth)
    Q_PROPERTY(double ScaleHeight READ ScaleHeight)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 FillColor READ FillColor WRITE setFillColor)
    Q_PROPERTY(int FillStyle READ FillStyle WRITE setFillStyle)
    Q_PROPERTY(int DrawWidth READ DrawWidth WRITE setDrawWidth)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(double CurrentX READ CurrentX WRITE setCurrentX)
    Q_PROPERTY(double CurrentY READ CurrentY WRITE setCurrentY)
    Q_PROPERTY(bool Loaded READ isLoaded)
    Q_PROPERTY(bool MdiChild READ isMdiChild)

public:
    enum class Border { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };
    enum class StartUp { Manual = 0, CenterOwner = 1, CenterScreen = 2, Default = 3 };

    // The window's own design values, applied at every Load.
    struct Design
    {
        QString name;
        QString caption;
        double clientWidth = 4800;   // twips
        double clientHeight = 3600;  // twips
        Border border = Border::Sizable;
        OleColor backColor = SystemColor::ButtonFace;
        StartUp startUp = StartUp::Default;
        bool mdiChild = false;
        QIcon icon;                  // none when null
    };

    explicit Form(Design design);
    ~Form() override;

    // Where child windows live; set once by whoever creates the window.
    void setMdiArea(QMdiArea *area) { m_mdiArea = area; }
    bool isMdiChild() const { return m_design.mdiChild; }
    QMdiSubWindow *subWindow() const { return m_subWindow; }

    void Load();
    void Show();
    // On an unloaded window: loads it (running Form_Load) without showing it.
    void Hide();
    void Unload();
    bool isLoaded() const { return m_loaded; }
    // The window's inside is visible (for a child window: in its frame,
    // the frame in the MDI area, the MDI area on screen).
    bool isShown() const;

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString Tag() const override { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // Position relative to the MDI client area (child windows) or the
    // screen, as set (real twips, read back exactly).
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    void setLeft(double twips);
    void setTop(double twips);
    // Outer size, frame and title included.
    double Width() const override;
    double Height() const override;
    void setWidth(double twips);
    void setHeight(double twips);

    // The window's timers (tests deliver ticks through them).
    QList<Timer *> timers() const { return findChildren<Timer *>(); }

protected:
    // Builds the controls with their design values, then connects handlers.
    virtual void createControls() = 0;
    virtual void Form_Load() {}
    virtual void Form_Resize() {}

    // Creates a control of type T in container (the window or a container
    // control) at left, top, width x height twips; extra arguments go to
    // T's constructor after the parent.
    template <typename T, typename... Args>
    T *add(QWidget *container, const QString &name, double left, double top, double width,
           double height, Args &&...args)
    {
        auto *control = new T(container, std::forward<Args>(args)...);
        control->setObjectName(name);
        control->Move(left, top, width, height);
        return control;
    }
    // Member index of a control array, named "name(index)".
    template <typename T, typename... Args>
    T *addIndexed(ControlArray<T> &array, QWidget *container, int index, double left, double top,
                  double width, double height, Args &&...args)
    {
        T *control = add<T>(container, array.memberName(index), left, top, width, height,
                            std::forward<Args>(args)...);
        control->setIndex(index);
        if (std::find(m_arrays.begin(), m_arrays.end(), &array) == m_arrays.end())
            m_arrays.push_back(&array);
        array.insert(index, control);
        return control;
    }
    LineControl *addLine(QWidget *container, const QString &name, double x1, double y1, double x2,
                         double y2);
    Timer *addTimer(const QString &name, int interval, bool enabled = true);

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QSize canvasPixels() const override { return size(); }
    qreal canvasRatio() const override { return devicePixelRatioF(); }
    void canvasChanged() override { update(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyDesign();
    void applyStartUpPosition();
    QSize frameExtra() const;
    QWidget *frameWidget() const;
    void placeFrame();
    void validateOnFocusChange(QWidget *old, QWidget *now);
    void focusFirstControl();
    void applyTabOrder();
    // Keeps Left and Top with the frame the user moved to at.
    void followFrame(QPoint at);

    Design m_design;
    std::vector<ControlArrayBase *> m_arrays; // emptied by Unload
    QPointer<QMdiArea> m_mdiArea;
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_loadHidden = false;
    bool m_positioned = false;
    bool m_placing = false;
    bool m_refocusing = false;
    QString m_caption;
    QString m_tag;
    double m_left = 0;
    double m_top = 0;
};

} // namespace forms
