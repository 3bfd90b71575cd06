// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "report/address_text.h"
#include "resources/icons.h"
#include "ui/address_edit.h"
#include "ui/cut_text.h"
#include "ui/palette.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace octaval {
namespace {

// Letters drawn closer than this, in pixels, harm legibility more than cutting the text off.
constexpr qreal maxTightening = 1.0;

// A line edit's text starts this far inside its edges: frame and margin on both sides, less the
// margin that we take back (below).
constexpr int boxTextInset = 4;

}  // namespace

int buttonPadding() {
    const QStyle* style = QApplication::style();
    return style->pixelMetric(QStyle::PM_ButtonMargin) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

namespace {

// The platform's interface face at 8 pt, the classic size for which the boxes and notes were
// sized.
QFont classicSizeFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    return font;
}

// The text of a control in the user's language: a row's caption is the caption table's
// (report/captions.h), the other texts of the tables are marked for translation in the context of
// their window's class (QT_TRANSLATE_NOOP) and translated here; the boxes' texts are numbers,
// which stay as they are.
QString shownControlText(const char* context, const Control& control) {
    switch (control.kind) {
        case ControlKind::caption:
            return toQString(windowPhrasebook().caption(control.text));
        case ControlKind::note:
        case ControlKind::button:
            if (*control.text) return QCoreApplication::translate(context, control.text);
            return {};
        case ControlKind::statusBox:
            return toQString(windowPhrasebook().status(control.text));
        default:
            return QString::fromUtf8(control.text);
    }
}

// A text that must show in full in a control of the given width.
struct Sample {
    QString text;
    int width;
};

// The font at the largest size up to `points` at which every sample fits. The size is estimated
// from the font as given (the interface size, whose glyphs the buttons load anyway) and checked
// in the result, so that no size is loaded only to be measured.
QFont shrunkToFit(QFont font, qreal points, const std::vector<Sample>& samples) {
    const auto scaleToFit = [&samples](const auto& metrics, qreal scale) {
        qreal fit = 1;
        for (const Sample& sample : samples)
            fit = std::min(fit, sample.width / (metrics.horizontalAdvance(sample.text) * scale));
        return fit;
    };
    // The resolved size: pointSizeF() is -1 for a font set in pixels.
    const qreal estimate = scaleToFit(QFontMetricsF(font), points / QFontInfo(font).pointSizeF());
    font.setPointSizeF(std::floor(points * estimate * 10) / 10);
    // Hinting and rounding can leave the estimate a little too large. The check uses the
    // whole-pixel advances with which the boxes draw (Windows' GDI draws every glyph at a whole
    // pixel's advance), and steps down until every sample fits: a size a tenth of a point smaller
    // may still be drawn at the same whole-pixel height.
    if (const qreal check = scaleToFit(QFontMetrics(font), 1); check < 1)
        font.setPointSizeF(std::floor(font.pointSizeF() * check * 10) / 10);
    while (scaleToFit(QFontMetrics(font), 1) < 1 && font.pointSizeF() > 1)
        font.setPointSizeF(std::round(font.pointSizeF() * 10 - 1) / 10);
    return font;
}

// The font at `points`, its letters drawn closer together where a sample would not fit.
QFont tightenedToFit(QFont font, qreal points, const std::vector<Sample>& samples) {
    font.setPointSizeF(points);
    const QFontMetricsF metrics(font);
    qreal spacing = 0;
    for (const Sample& sample : samples) {
        const qreal excess = metrics.horizontalAdvance(sample.text) - sample.width;
        if (excess > 0) spacing = std::min(spacing, -excess / qreal(sample.text.size()));
    }
    if (spacing < 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, std::max(spacing, -maxTightening));
    return font;
}

// The fonts of one window's controls, each made once. Today's faces are wider than the classic
// ones for which the controls were sized, so fonts give way where the widest text that their
// controls show would not fit: the boxes' font, whose size is ours to choose, gets smaller; the
// captions keep their size and draw their letters a little closer.
class Fonts {
public:
    Fonts(const char* context, std::span<const Control> controls)
        : m_context(context), m_controls(controls) {
        // MS Sans Serif where it is installed, otherwise the platform's default sans-serif face.
        const QString classic = QStringLiteral("MS Sans Serif");
        // The list of installed families is at hand; hasFamily() would also ask fontconfig to
        // resolve the name as an alias, which costs milliseconds at start-up.
        if (QFontDatabase::families().contains(classic, Qt::CaseInsensitive))
            m_labelFace.setFamilies({classic});
    }

    /// The font of a kind of control; nullptr for the window's own.
    const QFont* of(ControlKind kind) {
        switch (kind) {
            case ControlKind::caption:
                return cached(m_caption, [&] {
                    std::vector<Sample> captions;
                    for (const Control& c : m_controls)
                        if (c.kind == ControlKind::caption)
                            captions.push_back(
                                {shownControlText(m_context, c), fromTwips(c.width)});
                    return tightenedToFit(m_labelFace, 9.75, captions);
                });
            case ControlKind::dot:
                // Of the regular weight, whose face the captions have loaded: the dots are drawn
                // bold by BoldDot.
                return cached(m_dot, [&] {
                    QFont font = m_labelFace;
                    font.setPointSizeF(12);
                    return font;
                });
            case ControlKind::addressRow:
            case ControlKind::maskRow:
            case ControlKind::octetBox:
            case ControlKind::resultBox:
                // One font for the octet and result boxes, at most the classic size, in which the
                // octet boxes show three digits; a result line that needs a smaller one gets it in
                // its own box (ResultBox). The status box scrolls: it keeps the window's font.
                return cached(m_box, [&] {
                    return shrunkToFit(QApplication::font(), classicSizeFont().pointSizeF(),
                                       {{QStringLiteral("255"), textWidth(ControlKind::octetBox)}});
                });
            case ControlKind::note:
                return cached(m_note, [] { return classicSizeFont(); });
            case ControlKind::button: {
                // The buttons keep the window's font unless a label would reach into the
                // button's padding (a large font in French or Spanish): then all of them get
                // smaller alike.
                const qreal points = QFontInfo(QApplication::font()).pointSizeF();
                const QFont* font = cached(m_button, [&] {
                    std::vector<Sample> labels;
                    for (const Control& c : m_controls)
                        if (c.kind == ControlKind::button)
                            labels.push_back({shownControlText(m_context, c),
                                              fromTwips(c.width) - buttonPadding()});
                    return shrunkToFit(QApplication::font(), points, labels);
                });
                return font->pointSizeF() < points ? font : nullptr;
            }
            default:
                return nullptr;
        }
    }

private:
    template <typename Make>
    static const QFont* cached(std::optional<QFont>& slot, Make make) {
        if (!slot) slot = make();
        return &*slot;
    }

    // Room for text in the first box of a kind; unlimited when the window has none.
    int textWidth(ControlKind kind) const {
        for (const Control& control : m_controls)
            if (control.kind == kind) return fromTwips(control.width) - boxTextInset;
        return std::numeric_limits<int>::max();
    }

    const char* m_context;
    std::span<const Control> m_controls;
    QFont m_labelFace = QApplication::font();
    std::optional<QFont> m_caption, m_dot, m_box, m_note, m_button;
};

// A bold face's dot is a square about a fifth of an em wide.
constexpr qreal boldDotSide = 0.18;

// The dots between the octets, bold: drawn as a bold face draws its dot, a square standing on the
// baseline, centred in the label. Drawn, not typeset, so that the program loads no second face
// (a bold one, a few hundred kilobytes at start-up) for twelve dots. The label keeps its text for
// screen readers and its regular font for the baseline.
class BoldDot final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* dot = static_cast<QLabel*>(watched);
        const int side =
            std::max(2, int(std::lround(boldDotSide * QFontInfo(dot->font()).pixelSize())));
        const QRect square((dot->width() - side) / 2, dot->fontMetrics().ascent() - side, side,
                           side);
        QPainter(dot).fillRect(square, dot->palette().brush(dot->foregroundRole()));
        return true;
    }
};

void drawBold(QLabel* dot) {
    dot->installEventFilter(new BoldDot(dot));
}

void setLabelColour(QLabel* label, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role == QPalette::NoRole) return;
    label->setBackgroundRole(role);
    label->setAutoFillBackground(true);
}

// The classic boxes had almost no inner margin; three digits must fit 25 pixels.
void setClassicMargins(QLineEdit* box) {
    box->setTextMargins(-2, 0, -2, 0);
}

// A row of four input boxes, with the initial texts of the table ("0.0.0.0"), in the octet
// columns of every row of boxes: 375 twips wide and 480 apart, the dots 135 wide and 255 high.
AddressEdit* makeRow(const Control& control, Fonts& fonts, QWidget* window) {
    auto* row = new AddressEdit(
        control.kind == ControlKind::addressRow ? RowKind::address : RowKind::mask, window);
    row->setColumns(fromTwips(480 - 375), fromTwips(135), fromTwips(255));
    const auto parts = splitDotted(control.text);
    for (std::size_t k = 0; k < 4; ++k) {
        QLineEdit* box = row->box(k);
        box->setText(QString::fromLatin1((*parts)[k]));
        setClassicMargins(box);
        setPanelColour(box, control.background);
        if (k < 3) {
            row->dot(k)->setFont(*fonts.of(ControlKind::dot));
            drawBold(row->dot(k));
        }
    }
    return row;
}

QLineEdit* makeBox(const Control& control, QWidget* window) {
    QLineEdit* box =
        control.kind == ControlKind::resultBox ? new ResultBox(window) : new QLineEdit(window);
    box->setText(QString::fromLatin1(control.text));
    // The status box has room for the usual margin.
    if (control.kind != ControlKind::statusBox) setClassicMargins(box);
    switch (control.kind) {
        case ControlKind::octetBox:
            box->setAlignment(Qt::AlignRight);
            [[fallthrough]];
        case ControlKind::resultBox:
            // Read-only as well as disabled, so that screen readers do not announce an editable
            // box.
            box->setEnabled(false);
            box->setReadOnly(true);
            break;
        default:
            break;
    }
    setPanelColour(box, control.background);
    return box;
}

QLabel* makeLabel(const Control& control, const QString& text, QWidget* window) {
    auto* label = new QLabel(text, window);
    switch (control.kind) {
        case ControlKind::caption:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        case ControlKind::dot:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            drawBold(label);
            break;
        case ControlKind::note:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            break;
        case ControlKind::picture:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setForegroundRole(paletteRole(SystemColour::windowText));
            break;
        default:
            break;
    }
    setLabelColour(label, control.background);
    return label;
}

QWidget* makeControl(const Control& control, const QString& text, Fonts& fonts, QWidget* window) {
    switch (control.kind) {
        case ControlKind::addressRow:
        case ControlKind::maskRow:
            return makeRow(control, fonts, window);
        case ControlKind::octetBox:
        case ControlKind::resultBox:
        case ControlKind::statusBox:
            return makeBox(control, window);
        case ControlKind::caption:
        case ControlKind::dot:
        case ControlKind::note:
        case ControlKind::picture:
            return makeLabel(control, text, window);
        case ControlKind::button:
            return new QPushButton(text, window);
        case ControlKind::line: {
            auto* line = new QFrame(window);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Plain);
            return line;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<QWidget*> buildForm(const Form& form, std::span<const Control> controls,
                                QWidget* window) {
    window->setObjectName(QString::fromLatin1(form.name));
    window->setWindowFlags(form.frame);
    // The texts of the tables are translated in the context of their window's class.
    const char* context = window->metaObject()->className();
    window->setWindowTitle(QCoreApplication::translate(context, form.title));
    window->setAccessibleName(window->windowTitle());
    window->setWindowIcon(applicationIcon());
    window->setBackgroundRole(paletteRole(form.background));
    window->setFixedSize(fromTwips(form.width), fromTwips(form.height));

    Fonts fonts(context, controls);
    std::vector<QWidget*> widgets;
    widgets.reserve(controls.size());
    for (const Control& control : controls) {
        QWidget* widget = makeControl(control, shownControlText(context, control), fonts, window);
        if (const QFont* font = fonts.of(control.kind)) widget->setFont(*font);
        widget->setObjectName(QString::fromLatin1(control.name));
        QRect geometry(fromTwips(control.left), fromTwips(control.top), fromTwips(control.width),
                       fromTwips(control.height));
        // Some controls are stored wider than the window; they end at its right edge.
        geometry.setWidth(std::min(geometry.width(), window->width() - geometry.x()));
        // A line is stored with no height; it is drawn one pixel thick.
        geometry.setHeight(std::max(geometry.height(), 1));
        widget->setGeometry(geometry);
        if (auto* row = qobject_cast<AddressEdit*>(widget)) row->placeBoxes();
        widgets.push_back(widget);
    }
    followPalette(window);
    return widgets;
}

QPushButton* newCloseButton(QWidget* window) {
    auto* button = new QPushButton(QCoreApplication::translate("Window", "Close"), window);
    button->setObjectName(QStringLiteral("close"));
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    return button;
}

void placeBeside(QWidget* window, const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : window->screen();
    const QRect free = screen->availableGeometry();
    // The frame's size, as far as the window system has told it (none before the first showing).
    QRect placed(QPoint(), window->frameGeometry().size());
    if (!owner) {
        placed.moveCenter(free.center());
    } else {
        const QRect beside = owner->frameGeometry();
        const int right = free.right() - beside.right();
        const int left = beside.left() - free.left();
        placed.moveTop(beside.top());
        if (right >= placed.width() || right >= left)
            placed.moveLeft(beside.right() + 1);
        else
            placed.moveRight(beside.left() - 1);
    }
    placed.moveLeft(std::clamp(placed.left(), free.left(),
                               std::max(free.left(), free.right() + 1 - placed.width())));
    placed.moveTop(std::clamp(placed.top(), free.top(),
                              std::max(free.top(), free.bottom() + 1 - placed.height())));
    window->move(placed.topLeft());
}

}  // namespace octaval
