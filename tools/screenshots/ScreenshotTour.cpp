#include "ScreenshotTour.h"

#include "shell/FormVocadrill.h"
#include "shell/InterfaceLanguage.h"
#include "TapZonePicture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

// Lets timers, layouts and repaints catch up.
void settle()
{
    QTest::qWait(150);
}

QString fileNameOf(const QString& title)
{
    return title.toLower().remove(u'&').replace(u' ', u'-');
}

} // namespace

ScreenshotTour::ScreenshotTour(TFormVocadrill& window, const QString& folder)
    : m_window(window), m_folder(folder)
{}

void ScreenshotTour::run()
{
    dismissUnexpectedBoxes();
    m_window.language().select(InterfaceLanguage::English);
    settle();
    firstStartAndDictionaries();
    cardScreen();
    panelsOverTheCards();
    settingsPages();
    importDialog();
    russianInterface();
    transcriptionFromThePhoneticDictionary();
    progressView();
    farewell();
}

void ScreenshotTour::dismissUnexpectedBoxes()
{
    auto* timer = new QTimer(&m_window);
    QObject::connect(timer, &QTimer::timeout, &m_window, [this] {
        QWidget* box = QApplication::activeModalWidget();
        if (m_expectingWindow || !box)
            return;
        const auto* message = qobject_cast<QMessageBox*>(box);
        m_skipped << "an unexpected box was closed: " +
                         (message ? message->text() : box->objectName());
        box->close();
    });
    timer->start(300);
}

void ScreenshotTour::firstStartAndDictionaries()
{
    if (!showTab("tbDictionaries")) {
        skip("first-start", "no dictionaries tab");
        return;
    }
    shootWindow("first-start");
    if (!openDictionary("500 common words")) {
        skip("dictionaries", "the shipped dictionary is not listed");
        return;
    }
    shootWindow("dictionaries");
    shootAction("list-viewer", "Look00");
}

void ScreenshotTour::cardScreen()
{
    showTab("tbPlay");
    m_window.execute("Next0");
    m_window.execute("Next0");
    settle();
    shootWindow("card-question");
    m_window.execute("Remind0");
    settle();
    shootWindow("card-answer");

    auto* layer = m_window.findChild<QWidget*>("recGestures");
    if (!layer || !layer->isVisible()) {
        skip("tap-zones", "no touch layer on the card screen");
        return;
    }
    const QRect area(layer->mapTo(&m_window, QPoint(0, 0)), layer->size());
    save("tap-zones", QPixmap::fromImage(drawTapZones(m_window.grab().toImage(), area)));
}

void ScreenshotTour::panelsOverTheCards()
{
    shootAction("actions", "Actions0");
    shootAction("card-editor", "Edit0");
    if (m_window.execute("FullScreen0")) {
        settle();
        shootWindow("full-screen");
        m_window.execute("FullScreen0");
    } else {
        skip("full-screen", "no FullScreen0 action");
    }
    if (auto* help = m_window.findChild<QPushButton*>("btHelp")) {
        help->click();
        settle();
        shootWindow("help");
        m_window.GoBack();
    } else {
        skip("help", "no help button");
    }
}

void ScreenshotTour::settingsPages()
{
    auto* pages = m_window.findChild<QTabWidget*>("TabControl2");
    if (!showTab("tbSettings") || !pages) {
        skip("settings", "no settings tab");
        return;
    }
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        settle();
        shootWindow("settings-" + fileNameOf(pages->tabText(i)));
    }
    if (!m_window.execute("Top0")) {
        skip("view-editor", "no Top0 action");
        return;
    }
    settle();
    shootWindow("view-editor");
    shootOwnWindow("picture-picker", "FromFile00");
    m_window.GoBack();
    settle();
}

void ScreenshotTour::importDialog()
{
    showTab("tbDictionaries");
    shootOwnWindow("import", "FromFile0");
}

void ScreenshotTour::russianInterface()
{
    m_window.language().select(InterfaceLanguage::Russian);
    showTab("tbPlay");
    shootWindow("card-russian");
    m_window.language().select(InterfaceLanguage::English);
    settle();
}

void ScreenshotTour::transcriptionFromThePhoneticDictionary()
{
    showTab("tbDictionaries");
    if (!openDictionary("Numbers, days and months")) {
        skip("card-phonetic", "the dictionary without transcriptions is not listed");
        return;
    }
    showTab("tbPlay");
    m_window.execute("Next0");
    m_window.execute("Remind0");
    settle();
    shootWindow("card-phonetic");
}

void ScreenshotTour::progressView()
{
    showTab("tbDictionaries");
    if (!openDictionary("500 common words")) {
        skip("progress", "the shipped dictionary is not listed");
        return;
    }
    shootAction("progress", "Progress0");
}

void ScreenshotTour::farewell()
{
    showTab("tbPlay");
    m_window.GoBack();
    settle();
    auto* panel = m_window.findChild<QWidget*>("recAdvertisement");
    if (!panel || !panel->isVisible()) {
        skip("farewell", "the back step shows no farewell panel");
        return;
    }
    shootWindow("farewell");
    panel->hide();
}

bool ScreenshotTour::openDictionary(const QString& name)
{
    auto* list = m_window.findChild<QListWidget*>("lbDicts");
    if (!list)
        return false;
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.first()).center());
    // Past the double-click time, so that the next click is a click of its own.
    QTest::qWait(450);
    return true;
}

bool ScreenshotTour::showTab(const char* pageName)
{
    auto* tabs = m_window.findChild<QTabWidget*>("TabControl1");
    auto* page = m_window.findChild<QWidget*>(QLatin1String(pageName));
    if (!tabs || !page || tabs->indexOf(page) < 0)
        return false;
    tabs->setCurrentWidget(page);
    settle();
    return true;
}

void ScreenshotTour::shootAction(const QString& picture, const QString& action)
{
    if (!m_window.execute(action)) {
        skip(picture, "no " + action + " action");
        return;
    }
    settle();
    shootWindow(picture);
    m_window.GoBack();
    settle();
}

void ScreenshotTour::shootOwnWindow(const QString& picture, const QString& action)
{
    if (!m_window.action(action)) {
        skip(picture, "no " + action + " action");
        return;
    }
    // A modal window keeps execute() from returning, so the picture is taken from a timer.
    bool shot = false;
    m_expectingWindow = true;
    QTimer::singleShot(400, &m_window, [this, picture, &shot] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top == &m_window || !top->isVisible() || top->windowType() == Qt::ToolTip)
                continue;
            save(picture, top->grab());
            shot = true;
            if (auto* dialog = qobject_cast<QDialog*>(top))
                dialog->reject();
            else
                top->close();
            return;
        }
    });
    m_window.execute(action);
    QTest::qWait(600);
    m_expectingWindow = false;
    if (!shot)
        skip(picture, action + " opened no window");
}

void ScreenshotTour::shootWindow(const QString& picture)
{
    save(picture, m_window.grab());
}

void ScreenshotTour::save(const QString& picture, const QPixmap& pixmap)
{
    const QString path = QDir(m_folder).filePath(picture + ".png");
    if (pixmap.save(path))
        m_saved << path;
    else
        skip(picture, "cannot write " + path);
}

void ScreenshotTour::skip(const QString& picture, const QString& reason)
{
    m_skipped << picture + ": " + reason;
}
