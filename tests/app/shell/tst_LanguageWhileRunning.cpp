// Switching the interface language while the program runs must give the same
// window as a fresh start in that language: every text the user can see is
// collected from both windows and compared.
#include "DisplayGraphicSignal.h"
#include "DisplayFrequency.h"
#include "FrameGraphicSignal.h"
#include "Graphic.h"
#include "GuiMenuMarkerData.h"
#include "LayoutFrames.h"
#include "LineConnection.h"
#include "MainWindow.h"
#include "MarkersInfo.h"
#include "ModeVecAnalysis.h"
#include "ProfileStore.h"
#include "ShellResources.h"
#include "TestEnvironment.h"
#include "UnitPrefix.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QWidgetAction>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtTest>

QT_CHARTS_USE_NAMESPACE

namespace {
constexpr int kItemRowsRead = 40;  // long tables: their first rows say enough

// Every text a user can read in a window: captions, placeholders, combo items,
// group and tab titles, tool tips, window titles, the entries of the menus that
// buttons open, chart and axis titles and what the plots paint (marker readouts,
// measurement readouts). Each text is keyed by the class and object name of the
// widget that shows it, and the list is sorted, so two windows built in another
// order still compare.
class TextWalk
{
public:
    QStringList texts() const
    {
        QStringList sorted = m_texts;
        sorted.sort();
        return sorted;
    }

    // The widgets of `root` that are shown when `root` is.
    void walkShownBelow(QWidget *root)
    {
        walkWidget(root);
        for (QWidget *widget : root->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(root))
                walkWidget(widget);
        }
        for (DisplayGraphicSignal *view : root->findChildren<DisplayGraphicSignal *>()) {
            if (view->graphic()->isVisibleTo(root))
                walkPaintedTexts(view);
        }
    }

private:
    void add(const QObject *where, const char *what, const QString &text)
    {
        if (text.trimmed().isEmpty())
            return;
        m_texts << QStringLiteral("%1#%2 %3: %4")
                       .arg(QString::fromLatin1(where->metaObject()->className()), where->objectName(),
                            QString::fromLatin1(what), text);
    }

    void walkWidget(QWidget *widget)
    {
        add(widget, "tip", widget->toolTip());
        if (widget->isWindow())
            add(widget, "window", widget->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            walkButton(button);
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            add(edit, "placeholder", edit->placeholderText());
            add(edit, "text", edit->text());
        }
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo, "item", combo->itemText(i));
        }
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group, "title", group->title());
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs, "tab", tabs->tabText(i));
                add(tabs, "tab tip", tabs->tabToolTip(i));
            }
        }
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
            add(spin, "special", spin->specialValueText());
        if (auto *text = qobject_cast<QTextEdit *>(widget))
            add(text, "text", text->toPlainText());
        if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            add(text, "text", text->toPlainText());
        if (auto *items = qobject_cast<QAbstractItemView *>(widget))
            walkItems(items);
        if (auto *chartView = qobject_cast<QChartView *>(widget))
            walkChart(chartView->chart());
    }

    void walkButton(QAbstractButton *button)
    {
        add(button, "text", button->text());
        QMenu *menu = nullptr;
        if (auto *tool = qobject_cast<QToolButton *>(button))
            menu = tool->menu();
        else if (auto *push = qobject_cast<QPushButton *>(button))
            menu = push->menu();
        if (menu)
            walkMenu(menu);
    }

    void walkMenu(QMenu *menu)
    {
        add(menu, "menu", menu->title());
        for (QAction *action : menu->actions()) {
            add(menu, "entry", action->text());
            add(menu, "entry tip", action->toolTip() == action->text().remove(QLatin1Char('&')) ? QString()
                                                                                                 : action->toolTip());
            if (action->menu())
                walkMenu(action->menu());
            // A widget in a menu (the grid chooser, a digits field) shows its texts when the menu opens.
            if (auto *widgetAction = qobject_cast<QWidgetAction *>(action)) {
                if (QWidget *widget = widgetAction->defaultWidget())
                    walkInMenu(widget);
            }
        }
    }

    void walkInMenu(QWidget *widget)
    {
        walkWidget(widget);
        for (QWidget *child : widget->findChildren<QWidget *>()) {
            if (child->isVisibleTo(widget))
                walkWidget(child);
        }
    }

    void walkItems(QAbstractItemView *view)
    {
        const QAbstractItemModel *model = view->model();
        if (!model)
            return;
        const int rows = std::min(model->rowCount(), kItemRowsRead);
        for (int column = 0; column < model->columnCount(); ++column)
            add(view, "header", model->headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < rows; ++row) {
            add(view, "row header", model->headerData(row, Qt::Vertical).toString());
            for (int column = 0; column < model->columnCount(); ++column)
                add(view, "item", model->index(row, column).data().toString());
        }
    }

    void walkChart(QChart *chart)
    {
        add(chart, "chart title", chart->title());
        for (QAbstractAxis *axis : chart->axes())
            add(chart, "axis title", axis->titleText());
    }

    void walkPaintedTexts(DisplayGraphicSignal *view)
    {
        MarkersInfo *markers = view->markers();
        add(markers, "measurement", markers->infoText());
        for (LineConnection *marker : markers->markers()) {
            add(marker, "readout", marker->lblInfoX());
            add(marker, "readout", marker->lblInfoY());
        }
    }

    QStringList m_texts;
};

// What one list holds and the other does not, for the failure message.
QString difference(const QStringList &expected, const QStringList &actual)
{
    QStringList lines;
    for (const QString &text : expected) {
        if (!actual.contains(text))
            lines << QStringLiteral("  only in the fresh start: ") + text;
    }
    for (const QString &text : actual) {
        if (!expected.contains(text))
            lines << QStringLiteral("  only after switching:    ") + text;
    }
    return lines.join(QLatin1Char('\n'));
}
}  // namespace

class tst_LanguageWhileRunning : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void switchingGivesTheWindowOfAFreshStart_data();
    void switchingGivesTheWindowOfAFreshStart();

private:
    // The texts of the window and of every mode as it looks when shown.
    QStringList shownTexts(MainWindow &window);
    int panelColumnWidth(MainWindow &window);
    // The widths of the frames' settings.
    QList<int> settingsWidths(MainWindow &window);

    TestEnvironment m_env;
};

void tst_LanguageWhileRunning::initTestCase()
{
    ShellResources::init();
    ProfileStore::setBaseFolder(m_env.filePath(QStringLiteral("documents")));
}

void tst_LanguageWhileRunning::init()
{
    QSettings().clear();
    QFile::remove(ProfileStore::defaultPath());
    UnitPrefix::setRussian(false);
}

void tst_LanguageWhileRunning::switchingGivesTheWindowOfAFreshStart_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QString>("fresh");
    QTest::newRow("English to Russian") << QStringLiteral("english") << QStringList{QStringLiteral("russian")}
                                        << QStringLiteral("russian");
    QTest::newRow("English to Russian and back")
        << QStringLiteral("english") << QStringList{QStringLiteral("russian"), QStringLiteral("english")}
        << QStringLiteral("english");
    QTest::newRow("Russian to English") << QStringLiteral("russian") << QStringList{QStringLiteral("english")}
                                        << QStringLiteral("english");
}

namespace {
constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 720;
constexpr int kLoadTimeoutMs = 20000;
constexpr int kQuietMs = 400;

DisplayFrequency *firstSpectrum(MainWindow &window)
{
    return window.modeVecAnalysis()->findChild<DisplayFrequency *>();
}

// Returns once the spectrum has drawn no frame for a while: a column that changed
// its width gives the plots new sizes, and the markers read the frames drawn for them.
void waitUntilDrawn(MainWindow &window)
{
    QSignalSpy shown(firstSpectrum(window), &DisplayGraphicSignal::dataShown);
    QElapsedTimer timer;
    timer.start();
    while (shown.wait(kQuietMs) && timer.elapsed() < kLoadTimeoutMs) {
    }
}

// A started window in `language` with a recording in every view, a marker, the
// channel power readout, the marker panel and the frame settings open.
std::unique_ptr<MainWindow> openWindow(const QString &language)
{
    QSettings().setValue(QStringLiteral("Language"), language);
    auto window = std::make_unique<MainWindow>();
    window->resize(kWindowWidth, kWindowHeight);
    window->show();
    ModeVecAnalysis *va = window->modeVecAnalysis();
    DisplayFrequency *spectrum = firstSpectrum(*window);
    if (!spectrum)
        return window;
    QSignalSpy shown(spectrum, &DisplayGraphicSignal::dataShown);
    va->openDemoFile(0);
    if (!shown.wait(kLoadTimeoutMs))
        return window;
    // Every view vector analysis offers, the spectrogram among them.
    va->frames()->setGrid(QStringLiteral("{GRID:Distribution(3,3) Spectrum(1,1) Power(1,1) I_Time(1,1) Q_Time(1,1) "
                                         "File_Information(1,1) Spectrum(1,1)}"));
    va->frames()->frames().last()->graphic()->setEffect(QStringLiteral("Spectrogram"));
    spectrum = firstSpectrum(*window);
    if (!spectrum)
        return window;
    waitUntilDrawn(*window);
    MarkersInfo *markers = spectrum->markers();
    markers->addMarker((spectrum->axisX()->min() + spectrum->axisX()->max()) / 2);
    markers->setChannelPower(true);
    markers->showPanel();
    for (FrameGraphicSignal *frame : va->frames()->frames()) {
        for (QToolButton *button : frame->findChildren<QToolButton *>()) {
            if (button->isCheckable())
                button->setChecked(true);  // the frame settings
        }
    }
    waitUntilDrawn(*window);
    return window;
}

void switchLanguage(MainWindow &window, const QString &language)
{
    window.slotSwitchLanguage(language);
    window.slotSaveLanguage(language);
    waitUntilDrawn(window);
}
}  // namespace

QStringList tst_LanguageWhileRunning::shownTexts(MainWindow &window)
{
    TextWalk walk;
    walk.walkShownBelow(&window);
    for (ModeAnalysis *mode : window.modes()) {
        if (mode->isHidden())
            walk.walkShownBelow(mode);
    }
    return walk.texts();
}

int tst_LanguageWhileRunning::panelColumnWidth(MainWindow &window)
{
    auto *splitter = window.modeVecAnalysis()->findChild<QSplitter *>();
    return splitter ? splitter->sizes().value(0) : -1;
}

QList<int> tst_LanguageWhileRunning::settingsWidths(MainWindow &window)
{
    QList<int> widths;
    for (FrameGraphicSignal *frame : window.modeVecAnalysis()->frames()->frames()) {
        for (QScrollArea *area : frame->findChildren<QScrollArea *>())
            widths << area->width();
    }
    return widths;
}

void tst_LanguageWhileRunning::switchingGivesTheWindowOfAFreshStart()
{
    QFETCH(QString, start);
    QFETCH(QStringList, switches);
    QFETCH(QString, fresh);

    QStringList expected;
    int expectedWidth = 0;
    QList<int> expectedSettingsWidths;
    {
        std::unique_ptr<MainWindow> window = openWindow(fresh);
        QVERIFY(firstSpectrum(*window) && !firstSpectrum(*window)->lineSeries()->points().isEmpty());
        expected = shownTexts(*window);
        expectedWidth = panelColumnWidth(*window);
        expectedSettingsWidths = settingsWidths(*window);
    }
    QFile::remove(ProfileStore::defaultPath());
    UnitPrefix::setRussian(false);

    std::unique_ptr<MainWindow> window = openWindow(start);
    QVERIFY(firstSpectrum(*window) && !firstSpectrum(*window)->lineSeries()->points().isEmpty());
    for (const QString &language : switches)
        switchLanguage(*window, language);
    const QStringList actual = shownTexts(*window);
    if (actual != expected)
        qInfo().noquote() << difference(expected, actual);  // the whole list: a failure message is cut short
    QVERIFY(actual == expected);
    QCOMPARE(panelColumnWidth(*window), expectedWidth);
    QCOMPARE(settingsWidths(*window), expectedSettingsWidths);
}

QTEST_MAIN(tst_LanguageWhileRunning)
#include "tst_LanguageWhileRunning.moc"
