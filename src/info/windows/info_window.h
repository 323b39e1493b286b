#pragma once
// One window class for the seven information windows; each is described by a table.

#include "shell/form.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

namespace Info {
enum class Kind { Label, Picture, Button };
// Navy: bold Arial navy, wrapped. Plain: the default font and colour, sized to its text.
// Heading: bold navy, sized to its text, on the inactive-border colour.
enum class Look { Navy, NavyDefaultFont, Address, Plain, Heading, Dedication, Button };
enum class Fill { Fixed, OnLoad, OnActivate };
// GoTo shows the target and hides this window; Open shows the target over it.
enum class Click { None, GoTo, Open, HideSelf };
enum class Background { Default, Menu, InactiveBorder, Navy };
// Close box: the exit question; hide and destroy without asking; or back to the about window.
enum class CloseBox { ExitQuestion, HideAndUnload, BackToAbout };

struct Control {
    Kind kind = Kind::Label;
    const char *name = nullptr;
    QRect twips;
    Look look = Look::Navy;
    Fill fill = Fill::Fixed;
    const char *text = nullptr;     // a fixed caption
    QString (*build)() = nullptr;   // or an assembled text
    QImage (*picture)() = nullptr;
    QString (*describe)() = nullptr; // what a picture shows
    const char *tooltip = nullptr;
    Click click = Click::None;
    const char *target = nullptr;
};

struct WindowTable {
    const char *name;
    const char *caption;
    QString (*buildCaption)();
    QSize clientTwips;
    Background background;
    bool starShaped;
    CloseBox closeBox;
    QList<Control> controls;
};

const QList<WindowTable> &windowTables();
} // namespace Info

class InfoWindow : public Form {
    Q_OBJECT
public:
    explicit InfoWindow(const Info::WindowTable &desc, QWidget *parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    bool formQueryClose() override;

private:
    QWidget *makeControl(const Info::Control &control);
    void fill(Info::Fill when);
    void onClick(const Info::Control &control);
    void placeOverAboutWindow();
    void unloadLater();

    const Info::WindowTable &m_desc;
};
