// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the README pictures into the folder given: the main window after a calculation, its
// Subnets and Working windows and a marked practice problem, in the platform's light palette and
// in a dark one, and the About window.
// Run with QT_QPA_PLATFORM=offscreen (scripts/screenshots does).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_practice.h"
#include "ui/frm_subnets.h"
#include "ui/frm_working.h"

namespace {

bool save(QWidget& window, const QDir& folder, const char* file) {
    window.show();
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(file));
    if (window.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

// The main window after a click of "Recalculate" with the mouse, and its Subnets window.
bool saveMain(const QDir& folder, const char* file, const char* subnetsFile) {
    octaval::frmMain main;
    octaval::setInputs(main, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
    auto* recalculate = main.findChild<QPushButton*>(QStringLiteral("Command1"));
    recalculate->setFocus();
    recalculate->click();
    if (!save(main, folder, file)) return false;
    main.showSubnets();
    auto* subnets = main.findChild<octaval::frmSubnets*>();
    subnets->resize(subnets->width(), subnets->sizeHint().height());
    return save(*subnets, folder, subnetsFile);
}

// The Working window of the same calculation, its step of the address's subnet chosen.
bool saveWorking(const QDir& folder, const char* file) {
    octaval::frmWorking working;
    working.showWorking(std::make_shared<const octaval::Press>(
        octaval::press(*octaval::parseAddressText("192.168.1.70 255.255.255.224"))));
    working.setCurrentStep(6);
    return save(working, folder, file);
}

// A practice problem of a contiguous mask, checked: right answers, two known mistakes (the last
// usable host for the broadcast, 2^n hosts) and a question not answered.
bool savePractice(const QDir& folder, const char* file) {
    using octaval::Question;
    octaval::frmPractice practice(3);
    practice.findChild<QComboBox*>()->setCurrentIndex(1);
    practice.nextProblem();
    const octaval::Exercise& e = practice.exercise();
    for (const Question q : e.questions()) {
        if (q == Question::status) continue;
        QString answer = QString::fromStdString(e.expected(q));
        if (q == Question::broadcast)
            answer = answer.section(u'.', 0, 2) + u'.' +
                     QString::number(answer.section(u'.', 3, 3).toInt() - 1);
        if (q == Question::hosts) answer = QString::number(answer.toULongLong() + 2);
        if (octaval::isAddressQuestion(q)) {
            for (int k = 0; k < 4; ++k)
                practice.inputs(q)[std::size_t(k)]->setText(answer.section(u'.', k, k));
        } else {
            practice.inputs(q)[0]->setText(answer);
        }
    }
    practice.check();
    practice.resize(practice.width(), practice.sizeHint().height());
    return save(practice, folder, file);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    octaval::frmAbout about;
    if (!saveMain(folder, "main-window.png", "subnets-window.png") ||
        !save(about, folder, "about-window.png") || !saveWorking(folder, "working-window.png") ||
        !savePractice(folder, "practice-window.png"))
        return 1;
    // A dark palette made from one dark window colour, as a dark desktop theme gives it.
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));
    return saveMain(folder, "main-window-dark.png", "subnets-window-dark.png") &&
                   saveWorking(folder, "working-window-dark.png") &&
                   savePractice(folder, "practice-window-dark.png")
               ? 0
               : 1;
}
