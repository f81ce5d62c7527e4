// Accessible names the windows derive from the captions of their controls.

#include "shell/form_controls.h"

#include <QTest>

using namespace orvane;

class FormControlsTest : public QObject {
    Q_OBJECT
private slots:
    void accessibleCaptionIsOneLineWithoutTheColon() {
        const struct {
            const char *caption;
            const char *name;
        } cases[] = {
            {"Длина помещения, L:", "Длина помещения, L"},
            {"  Ширина:  ", "Ширина"},
            {"Высота двери\nиз горящего помещения:", "Высота двери из горящего помещения"},
            {"Высота ::", "Высота"},
            {"Выходы в ЛШ: с этажа", "Выходы в ЛШ: с этажа"},
            {"", ""},
        };
        for (const auto &c : cases)
            QCOMPARE(AccessibleCaption(QString::fromUtf8(c.caption)), QString::fromUtf8(c.name));
    }
};

QTEST_MAIN(FormControlsTest)
#include "form_controls_test.moc"
