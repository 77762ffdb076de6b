#include "settings/SettingsRecord.h"
#include "appearance/ViewEditor.h"
#include "widgets/ActionList.h"
#include "widgets/TiledPanel.h"

#include <QCheckBox>
#include <QGestureEvent>
#include <QLabel>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QSlider>
#include <QtTest>

namespace {

// A play-screen look with sizes that tell the texts apart.
TView look(double question, double answer, double phonetic)
{
    TView view = defaultDataRecord().Views[0];
    view.QSize = question;
    view.ASize = answer;
    view.PSize = phonetic;
    view.QStyles = StyleUnderline;
    return view;
}

} // namespace

class TestViewEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void halves_data();
    void halves();
    void barsShowSizesWithoutChangingThem_data();
    void barsShowSizesWithoutChangingThem();
    void styleBoxesKeepOtherStyles();
    void backgroundFromTheHalf();
    void zoomSteps_data();
    void zoomSteps();

private:
    QLabel* text(const char* name) { return m_editor->findChild<QLabel*>(name); }
    QSlider* bar(const char* name) { return m_editor->findChild<QSlider*>(name); }
    int sizeOf(const char* name) { return text(name)->font().pixelSize(); }

    std::unique_ptr<QWidget> m_window;
    ActionList* m_actions = nullptr;
    ViewEditor* m_editor = nullptr;
    TiledPanel* m_half = nullptr;
};

void TestViewEditor::init()
{
    m_window = std::make_unique<QWidget>();
    m_actions = new ActionList(m_window.get());
    m_editor = new ViewEditor(*m_actions, m_window.get());
    m_half = new TiledPanel(m_window.get());
    m_window->resize(900, 600);
    m_editor->resize(900, 600);
    m_window->show();
}

void TestViewEditor::cleanup()
{
    m_window.reset();
}

void TestViewEditor::halves_data()
{
    QTest::addColumn<bool>("top");
    QTest::newRow("top") << true;
    QTest::newRow("bottom") << false;
}

void TestViewEditor::halves()
{
    QFETCH(bool, top);
    m_editor->setHalf(top ? ScreenHalf::Top : ScreenHalf::Bottom);
    m_editor->TopBottom(*m_half, look(44, 37, 30));

    QCOMPARE(text("TextQuestion2")->isVisible(), top);
    QCOMPARE(text("TextAnswer2")->isVisible(), !top);
    QCOMPARE(text("TextPhonetic2")->isVisible(), !top);
    QCOMPARE(m_editor->findChild<QWidget*>("recFontT")->isVisible(), !top);
    QCOMPARE(bar("TrackBarQA")->value(), top ? 44 : 37);
    QCOMPARE(bar("TrackBarT")->value(), 30);
}

void TestViewEditor::barsShowSizesWithoutChangingThem_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("shown");

    QTest::newRow("above the range") << 160.0 << 140;
    QTest::newRow("below the range") << 12.0 << 20;
    QTest::newRow("within") << 37.4 << 37;
}

void TestViewEditor::barsShowSizesWithoutChangingThem()
{
    QFETCH(double, size);
    QFETCH(int, shown);

    m_editor->setHalf(ScreenHalf::Bottom);
    m_editor->TopBottom(*m_half, look(44, size, size));
    QCOMPARE(bar("TrackBarQA")->value(), shown);
    QCOMPARE(bar("TrackBarT")->value(), shown);
    TView result = look(0, 0, 0);
    m_editor->previewTexts(result);
    QCOMPARE(result.ASize, size);
    QCOMPARE(result.PSize, size);

    // Moving a bar sets the size.
    bar("TrackBarQA")->setValue(90);
    m_editor->previewTexts(result);
    QCOMPARE(result.ASize, 90.0);
    QCOMPARE(result.PSize, size);
    QCOMPARE(sizeOf("TextAnswer2"), 90);
}

void TestViewEditor::styleBoxesKeepOtherStyles()
{
    m_editor->setHalf(ScreenHalf::Top);
    m_editor->TopBottom(*m_half, look(44, 37, 30));
    m_editor->findChild<QCheckBox*>("cbQAItalic")->setChecked(true);
    m_editor->findChild<QCheckBox*>("cbTBold")->setChecked(true);

    TView result = look(0, 0, 0);
    result.AStyles = 0;
    result.PStyles = 0;
    m_editor->previewTexts(result);
    QCOMPARE(result.QStyles, quint8(StyleUnderline | StyleItalic));
    // The top half gives only the question's fields.
    QCOMPARE(result.PStyles, quint8(0));
    QVERIFY(text("TextQuestion2")->font().italic());
    QVERIFY(text("TextQuestion2")->font().underline());
    QVERIFY(text("TextPhonetic2")->font().bold());
}

void TestViewEditor::backgroundFromTheHalf()
{
    QPixmap tile(10, 10);
    tile.fill(Qt::blue);
    m_half->setPicture(tile);
    m_half->setColour(QColor(200, 10, 10));
    m_half->setFill(TiledPanel::Fill::Picture);
    m_editor->TopBottom(*m_half, look(44, 37, 30));
    QCOMPARE(m_editor->recView()->fill(), TiledPanel::Fill::Picture);
    QCOMPARE(m_editor->recView()->picture().cacheKey(), tile.cacheKey());

    // A picture fill that has no picture shows its colour, and the editor takes it as such.
    m_half->setPicture(QPixmap());
    m_editor->TopBottom(*m_half, look(44, 37, 30));
    QCOMPARE(m_editor->recView()->fill(), TiledPanel::Fill::Colour);
    QCOMPARE(m_editor->recView()->colour(), QColor(200, 10, 10));
}

void TestViewEditor::zoomSteps_data()
{
    QTest::addColumn<bool>("touchpad");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("answer");

    QTest::newRow("touchpad apart") << true << 0.02 << 105;
    QTest::newRow("touchpad together") << true << -0.02 << 95;
    QTest::newRow("touchpad still") << true << 0.0 << 100;
    QTest::newRow("pinch apart") << false << 1.1 << 105;
    QTest::newRow("pinch together") << false << 0.9 << 95;
    QTest::newRow("pinch still") << false << 1.0 << 100;
}

void TestViewEditor::zoomSteps()
{
    QFETCH(bool, touchpad);
    QFETCH(double, value);
    QFETCH(int, answer);

    m_editor->setHalf(ScreenHalf::Bottom);
    m_editor->TopBottom(*m_half, look(44, 100, 100));
    QSignalSpy zoomed(m_editor, &ViewEditor::zoomed);
    QLabel* target = text("TextAnswer2");

    if (touchpad) {
        QNativeGestureEvent event(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(),
                                  2, QPointF(5, 5), QPointF(5, 5), QPointF(5, 5), value, QPointF());
        QApplication::sendEvent(target, &event);
    } else {
        QPinchGesture pinch;
        pinch.setChangeFlags(QPinchGesture::ScaleFactorChanged);
        pinch.setScaleFactor(value);
        QGestureEvent event({&pinch});
        QApplication::sendEvent(target, &event);
    }

    QCOMPARE(zoomed.count(), answer == 100 ? 0 : 1);
    QCOMPARE(sizeOf("TextAnswer2"), answer);
    QCOMPARE(sizeOf("TextPhonetic2"), answer);
    QCOMPARE(sizeOf("TextQuestion2"), 44);
    QCOMPARE(bar("TrackBarQA")->value(), answer);
    QCOMPARE(bar("TrackBarT")->value(), answer);
}

QTEST_MAIN(TestViewEditor)
#include "tst_vieweditor.moc"
