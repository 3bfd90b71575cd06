// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>
#include <utility>

namespace octaval {

qreal luminance(const QColor& colour) {
    const auto linear = [](qreal c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

qreal contrast(const QColor& a, const QColor& b) {
    // The list form returns values: the two-argument form would return references to the
    // temporaries, which end with this line.
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

namespace {

// Contrast of the output boxes' text colour. WCAG asks 4.5:1 of text this size and 7:1 for its
// higher level; small glyphs are drawn partly in blends with the background, so the colour itself
// needs more for its pixels to reach 7:1.
constexpr qreal outputContrast = 12;

// The platform's disabled style draws text too faint to read (1.5:1 in Qt's light palette). An
// output box keeps its disabled panel but gets the faintest mix of the disabled and the normal
// text colour that still reads at `outputContrast`, or at three quarters of the normal text's
// contrast where the palette has less to give: dimmer than the other boxes, yet legible. Set on
// the window, whose disabled controls are the output boxes, from the application's palette.
void setLegibleDisabledText(QWidget* window) {
    const QPalette palette = QApplication::palette(window);
    const QColor panel = palette.color(QPalette::Disabled, QPalette::Base);
    const QColor faint = palette.color(QPalette::Disabled, QPalette::Text);
    const QColor full = palette.color(QPalette::Active, QPalette::Text);
    const qreal wanted = std::min(outputContrast, 0.75 * contrast(full, panel));
    QColor text = full;
    for (int step = 0; step < 20; ++step) {
        const qreal t = step / 20.0;
        const QColor mix = QColor::fromRgbF(faint.redF() + t * (full.redF() - faint.redF()),
                                            faint.greenF() + t * (full.greenF() - faint.greenF()),
                                            faint.blueF() + t * (full.blueF() - faint.blueF()));
        if (contrast(mix, panel) >= wanted) {
            text = mix;
            break;
        }
    }
    QPalette legible;
    legible.setColor(QPalette::Disabled, QPalette::Text, text);
    window->setPalette(legible);
}

// The selected rows of a table or list: the palette's highlight (Qt's own, #308cc6 under white,
// reads at 3.7:1) darkened, or lightened under dark text, until its text reads at 5:1.
void setLegibleSelection(QWidget* window) {
    const QPalette natural = QApplication::palette(window);
    for (auto* view : window->findChildren<QAbstractItemView*>(Qt::FindDirectChildrenOnly)) {
        QPalette palette;
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            QColor highlight = natural.color(group, QPalette::Highlight);
            const QColor text = natural.color(group, QPalette::HighlightedText);
            const bool darken = luminance(text) > luminance(highlight);
            for (int step = 0; step < 30 && contrast(highlight, text) < 5; ++step)
                highlight = darken ? highlight.darker(110) : highlight.lighter(110);
            palette.setColor(group, QPalette::Highlight, highlight);
        }
        view->setPalette(palette);
    }
}

// A line edit draws its panel in the Base role, whatever its background role says: a box with a
// panel colour of its own keeps its palette role, and takes the role's colour from the
// application's palette (setColours).
}  // namespace

void setPanelColour(QLineEdit* box, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role != QPalette::NoRole && role != QPalette::Base) box->setProperty("panelRole", role);
}

namespace {

// Whether the style draws controls from the system's theme (Windows' own style), following the
// palette only where a control has a colour set.
bool drawsFromTheme() {
    return QApplication::style()->name().compare(u"windowsvista", Qt::CaseInsensitive) == 0;
}

// Windows' own style draws push buttons from the system's theme, light whatever the palette
// says, with their text in the palette's colour: under a dark palette, light text on light
// buttons. There the window's buttons are drawn in Fusion, which draws them from the palette.
void setButtonStyle(QWidget* window) {
    if (!drawsFromTheme()) return;
    const QPalette palette = QApplication::palette(window);
    QStyle* style = nullptr;
    if (luminance(palette.color(QPalette::ButtonText)) >
        luminance(palette.color(QPalette::Button))) {
        style = window->findChild<QStyle*>(QString(), Qt::FindDirectChildrenOnly);
        if (!style) {
            style = QStyleFactory::create(QStringLiteral("Fusion"));
            style->setParent(window);
        }
    }
    for (QPushButton* button : window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        button->setStyle(style);
}

// The colours that a window's controls take from the application's palette, but for the legible
// text of its output boxes: the panels of boxes with a colour of their own and buttons drawn to
// match.
void setColours(QWidget* window) {
    setLegibleSelection(window);
    setButtonStyle(window);
    const QPalette natural = QApplication::palette(window);
    // A box with a panel colour of its own gets it set; under a style that draws from the
    // system's theme every box does, Base where it has no role of its own. Elsewhere the other
    // boxes take Base from the window: a palette of their own would cost each of them memory
    // and change nothing. The boxes of a row of octets too (AddressEdit), but not those of the
    // windows it owns.
    const bool everyBox = drawsFromTheme();
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->window() != window) continue;
        const QVariant role = box->property("panelRole");
        if (!role.isValid() && !everyBox) continue;
        const auto panel = role.isValid() ? role.value<QPalette::ColorRole>() : QPalette::Base;
        QPalette palette;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setBrush(group, QPalette::Base, natural.brush(group, panel));
        box->setPalette(palette);
    }
}

// Sets the colours again when the desktop changes its palette (a switch between a light and a
// dark theme) while the window is open: colours set on a widget would otherwise stay as they were.
class PaletteWatch final : public QObject {
public:
    explicit PaletteWatch(QWidget* window) : QObject(window), m_window(window) {}

    void setColours() {
        // The colour of the output boxes' text is seen only once one of them shows a text: the
        // main window starts with all of them empty. Until then it waits, and with it the
        // contrast's arithmetic, whose power function alone maps a quarter of a megabyte of the
        // maths library that nothing else at start-up needs.
        m_legible = m_legible || !outputsEmpty();
        if (m_legible) setLegibleDisabledText(m_window);
        octaval::setColours(m_window);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange) setColours();
        return false;
    }

private:
    // Whether every disabled control is an empty box; the boxes that are tell when they are not.
    bool outputsEmpty() {
        for (QWidget* control : m_window->findChildren<QWidget*>()) {
            if (control->isEnabled() || control->window() != m_window) continue;
            auto* box = qobject_cast<QLineEdit*>(control);
            if (!box || !box->text().isEmpty()) return false;
            if (!m_waiting)
                connect(box, &QLineEdit::textChanged, this, [this] {
                    if (!std::exchange(m_legible, true)) setLegibleDisabledText(m_window);
                });
        }
        m_waiting = true;
        return true;
    }

    QWidget* m_window;
    bool m_legible = false;  // the disabled text's colour is set
    bool m_waiting = false;  // the empty boxes report their first text
};

}  // namespace

void followPalette(QWidget* window) {
    auto* watch = new PaletteWatch(window);
    window->installEventFilter(watch);
    watch->setColours();
}

}  // namespace octaval
