// The window as it stands after start-up, and the live sheet: damage, healing, exit.
#include "support/window_fixture.h"

#include "window/form_charac.h"
#include "window/layout/control_factory.h"
#include "window/widgets/artwork.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/colours.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/sheet_style.h"

#include "window/widgets/text_list.h"
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

using window::FormCharac;
using namespace sheet;

class TestWindowStartup : public QObject, public WindowFixture {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new window::SheetStyle); }

    void init() { start(false); }
    void cleanup() { stop(); }

    void startUpState()
    {
        QCOMPARE(form->size(), QSize(984, 694));
        QCOMPARE(form->windowTitle(), QStringLiteral("Charac"));
        QCOMPARE(ui().Label1->caption(), QStringLiteral("v = 1.014")); // from the version CMake declares
        QVERIFY(!ui().ChTe->isChecked());
        QVERIFY(ui().FrameTele->isHidden());
        QVERIFY(ui().FrameStuff->isHidden());
        QVERIFY(ui().FrameNew->isHidden());
        for (QWidget* box : {ui().TXrename, ui().TXchedit, ui().TXab, ui().TXedit}) QVERIFY(box->isHidden());
        QVERIFY(ui().CDcodeZ->isHidden());
        QVERIFY(ui().Chtake1->isChecked());
        QVERIFY(!ui().CHdice->isChecked());
        QVERIFY(!ui().CDnew->isChecked());
        QCOMPARE(ui().ListTee->count(), 1);
        QCOMPARE(ui().ListTee->text(0), QStringLiteral("Teleport Errors"));
        QCOMPARE(ui().LabCodeZ->caption(),
                 QStringLiteral("Armour\rDefense shield\rHelm\rItem\rMagic Spell\rObject\rSkill\rWeapon\r"));
        QCOMPARE(form->state().RaceCount, std::int16_t(120));
        QCOMPARE(form->state().RaceName[82], QStringLiteral("Minotaur"));
        QCOMPARE(form->state().TeleportError[0], QStringLiteral("hi: 10, 20-50, 50-200,->4k"));
        QVERIFY(form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QVERIFY(form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QCOMPARE(ui().FileD->pattern(), QStringLiteral("*.qoz"));
        QCOMPARE(ui().FileF->pattern(), QStringLiteral("*.qoc"));
        QCOMPARE(ui().FileA[2]->pattern(), QStringLiteral("*.qon"));
        QCOMPARE(ui().FileD->folder(), ui().DirA->path());
        QCOMPARE(form->focusWidget(), ui().CDtrigger);
    }

    void designCaptionsStayUntilTheFirstRefresh()
    {
        QCOMPARE(ui().Chakra[3]->caption(), QStringLiteral("00"));
        QCOMPARE(ui().LabPer[5]->caption(), QStringLiteral("000%"));
        QCOMPARE(ui().LabAb[2]->caption(), QStringLiteral("open locks"));
        QCOMPARE(ui().Labnam->caption(), QStringLiteral("Name"));
        QCOMPARE(ui().Chakra[4]->toolTip(), QStringLiteral("Heart"));
        QCOMPARE(ui().CDheal->toolTip(), QStringLiteral("heal to full"));
    }

    void controlsAreNamedAsOnTheSheet()
    {
        QCOMPARE(form->findChild<QWidget*>(QStringLiteral("LabAb2")), ui().LabAb[2]);
        QCOMPARE(form->findChild<QWidget*>(QStringLiteral("TXline0")), ui().TXline[0]);
        QCOMPARE(form->findChild<QWidget*>(QStringLiteral("LisE"))->parentWidget(), ui().FrameTele);
        // Colours and fonts come from the layout table.
        QCOMPARE(ui().Chakra[1]->palette().color(QPalette::Window), QColor(0x400040));
        QCOMPARE(ui().Chakra[1]->palette().color(QPalette::WindowText), QColor(0xC000FF));
        QCOMPARE(ui().LabPer[0]->geometry(), QRect(448, 72, 45, 25));
        QCOMPARE(ui().TXdam->font().pointSizeF(), 12.0);
    }

    // Every button and check or option box shows its whole design caption, wrapped at word breaks
    // where the button is narrow.
    void captionsFitTheirControls()
    {
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
            const QString caption = button->text();
            if (caption.isEmpty()) continue;
            const QFontMetrics metrics = button->fontMetrics();
            if (qobject_cast<QPushButton*>(button)) {
                const QRect face = button->rect().adjusted(2, 1, -2, -1);
                const QRect needed = metrics.boundingRect(face, Qt::AlignCenter | Qt::TextWordWrap, caption);
                QVERIFY2(face.contains(needed), qPrintable(button->objectName()));
            } else {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = caption;
                const QRect text = button->style()->subElementRect(
                    qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                    &option, button);
                QVERIFY2(metrics.horizontalAdvance(caption) <= text.width() + 1, qPrintable(button->objectName()));
            }
        }
    }

    void teleportBoxShowsAndHidesItsFrame()
    {
        ui().ChTe->click();
        QVERIFY(!ui().FrameTele->isHidden());
        ui().ChTe->click();
        QVERIFY(ui().FrameTele->isHidden());
    }

    void damageThenHeal()
    {
        changeRecord([](Character& c) {
            c.CharValue[slot::value::Power] = 14;
            c.CharValue[slot::value::Wisdom] = 9;
            c.CharValue[slot::value::Armour] = 1;
            c.CharText[slot::text::Health] = QStringLiteral("12");
            c.CharText[slot::text::Sex] = QStringLiteral("female");
            c.CharText[slot::text::Kind] = QStringLiteral("humanoid");
        });
        form->sheet().Numero();

        ui().TXdam->setText(QStringLiteral("5"));
        QTest::mouseClick(ui().CDdam, Qt::LeftButton);
        QCOMPARE(ui().Chakra[8]->caption(), QStringLiteral("7"));
        QCOMPARE(ui().LabDetail->caption(), QStringLiteral("female, humanoid, wounded"));

        ui().TXdam->setText(QStringLiteral("6"));
        QTest::mouseClick(ui().CDdam, Qt::LeftButton);
        QCOMPARE(ui().Chakra[8]->caption(), QStringLiteral("1"));
        QCOMPARE(ui().LabDetail->caption(), QStringLiteral("female, humanoid, mutilated"));

        QTest::mouseClick(ui().CDheal, Qt::LeftButton);
        QCOMPARE(ui().Chakra[8]->caption(), QStringLiteral("14"));
        QCOMPARE(record().CharText[slot::text::Health], QStringLiteral("14"));
        QCOMPARE(ui().LabDetail->caption(), QStringLiteral("female, humanoid, being"));
    }

    void healingBeforeAnyRefreshTakesThePowerCaptionShown()
    {
        changeRecord([](Character& c) { c.CharValue[slot::value::Power] = 14; });
        QTest::mouseClick(ui().CDheal, Qt::LeftButton);
        // The sheet still showed the design caption "00" for Power when the health was capped.
        QCOMPARE(record().CharText[slot::text::Health], QStringLiteral("00"));
        QCOMPARE(ui().Chakra[7]->caption(), QStringLiteral("14"));
    }

    void exitClosesTheWindow()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::mouseClick(ui().CDexit, Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }

    void webButtonsOpenTheirPagesOrSayTheBrowserIsMissing()
    {
        env->launcher->succeed = false;
        for (QPushButton* button : {ui().Command2, ui().Command3, ui().Command4}) button->click();
        const QString missing = QStringLiteral("Cannot find Browser:|This function requires internet explorer "
                                               "(iexplore.exe) to be in the directory c:\\Program Files\\  ");
        QCOMPARE(env->messages->texts.mid(1), QStringList(3, missing));
        QCOMPARE(env->launcher->commands.size(), 3);
        // The user's browser, as the desktop opens an address: xdg-open, or Windows' shell.
#ifdef Q_OS_WIN
        const QStringList opener{qEnvironmentVariable("SystemRoot") + u"\\System32\\rundll32.exe"_s,
                                 u"url.dll,FileProtocolHandler"_s};
#else
        const QStringList opener{u"xdg-open"_s};
#endif
        QCOMPARE(env->launcher->commands[0], opener + QStringList{u"http://www.qod-charac.example/qod/stuff.htm"_s});
        QCOMPARE(ui().Command3->text(), QStringLiteral("www.qod-charac.example"));
    }

    void settingsFileSetsTheAddresses_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("items");
        QTest::newRow("set") << QByteArray(
            "[links]\nitems=https://items.example.org/list.htm\nhome=https://home.example.org/\n")
                             << "https://items.example.org/list.htm";
        QTest::newRow("comma in an address")
            << QByteArray("[links]\nitems=https://items.example.org/?a=1,2\nhome=https://home.example.org/\n")
            << "https://items.example.org/?a=1,2";
        QTest::newRow("not an INI file") << QByteArray("\xff\xfe[[[=\n=\nitems\n")
                                         << "http://www.qod-charac.example/qod/stuff.htm";
    }
    void settingsFileSetsTheAddresses()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, items);
        writeFile(env->services.settingsFile, settings);
        FormCharac configured(env->services);
        QCOMPARE(configured.controls().Command2->text(), items);
        if (!settings.contains("home=")) return;
        QCOMPARE(configured.controls().Command3->text(), QStringLiteral("home.example.org"));
        configured.controls().Command3->click();
        configured.controls().Command4->click(); // not in the file: the default
        QCOMPARE(env->launcher->commands[0].last(), QStringLiteral("https://home.example.org/"));
        QCOMPARE(env->launcher->commands[1].last(),
                 QStringLiteral("https://forum.qod-charac.example/t/charac-sheet/1"));
    }

    // Every row of the control list is a widget of its kind in its container, and the window's
    // pointers are exactly those widgets: none left out, none bound twice.
    void everyLayoutRowIsBoundToAWidgetOfItsKind()
    {
        QSet<QWidget*> rows;
        for (const layout::ControlSpec& entry : layout::controls()) {
            const QString name = layout::objectName(entry);
            auto* widget = form->findChild<QWidget*>(name);
            QVERIFY2(widget && window::isOfKind(widget, entry.kind), qPrintable(name));
            const QWidget* container = entry.container ? form->findChild<QWidget*>(QString::fromLatin1(entry.container))
                                                       : form.get();
            QVERIFY2(widget->parentWidget() == container, qPrintable(name));
            rows.insert(widget);
        }
        const QList<QWidget*> bound = ui().all();
        QCOMPARE(bound.size(), rows.size());
        QCOMPARE(QSet<QWidget*>(bound.begin(), bound.end()), rows);
    }

    // The desktop knows the program by its desktop file, and the window shows the installed icon.
    void theWindowIsKnownToTheDesktop()
    {
        window::identifyApplication();
        QCOMPARE(QGuiApplication::desktopFileName(), u"io.github.qodcharac.Charac"_s);
        QTemporaryDir icons;
        QVERIFY(QDir(icons.path()).mkpath(u"hicolor/48x48/apps"_s));
        writeFile(icons.filePath(u"hicolor/index.theme"_s),
                  "[Icon Theme]\nName=hicolor\nDirectories=48x48/apps\n[48x48/apps]\nSize=48\n");
        QVERIFY(window::windowIcon().pixmap(48, 48).save(
            icons.filePath(u"hicolor/48x48/apps/io.github.qodcharac.Charac.png"_s)));
        const QStringList paths = QIcon::themeSearchPaths();
        const QString theme = QIcon::themeName();
        const auto restore = qScopeGuard([&] {
            QIcon::setThemeSearchPaths(paths);
            QIcon::setThemeName(theme);
        });
        QIcon::setThemeSearchPaths({icons.path()});
        QIcon::setThemeName(u"hicolor"_s);
        form->show();
        QTRY_COMPARE(form->windowIcon().name(), u"io.github.qodcharac.Charac"_s);
    }
};

QTEST_MAIN(TestWindowStartup)
#include "test_window_startup.moc"
