#include "inflow/ui/inflow_tips.h"

#include <QHash>

#include "inflow/inflow_controls.h"
#include "shell/form_controls.h"

namespace orvane::inflow {

namespace {

const QHash<QString, QString> &Tips() {
    static const QHash<QString, QString> tips = [] {
        QHash<QString, QString> t;
        t.insert(QStringLiteral("sbTipProject"),
                 QStringLiteral("Сохранение проекта в файл с возможностью\rзагрузки для "
                                "редактирования. Расширения файлов:\rsmkprj - вытяжная "
                                "противодымная вентиляция,\risrprj - приточная противодымная "
                                "вентиляция."));
        t.insert(QStringLiteral("sbTipTambour"),
                 QStringLiteral(
                     "Открытая дверь, приток без подогрева:\r"
                     "    - тамбур-шлюзы при выходах в лестничные клетки типов Н2 и Н3;\r"
                     "    - тамбур-шлюзы при выходах на открытые внутренние лестницы 2-го типа;\r"
                     "    - тамбур-шлюзы при входах в атриумы и пассажи\r"
                     "      с уровней подвальных и подземных этажей;\r"
                     "    - тамбур-шлюзы перед лифтовыми холлами подземных автостоянок;\r"
                     "    - тамбур-шлюзы при выходах в вестибюли\r"
                     "      из лестничных клеток типа Н2.\r"
                     " \r"
                     "Закрытые двери, приток без подогрева:\r"
                     "    - холлы лифтов для транспортирования пожарных подразделений\r"
                     "      в подвальных и подземных этажах;\r"
                     "    - лифтовые холлы лифтов с режимом «пожарная опасность»;\r"
                     "    - помещения зон безопасности во время эвакуации;\r"
                     "    - помещения зон безопасности в общем случае.\r"
                     " \r"
                     "Закрытые двери, приток с подогревом:\r"
                     "    - помещения зон безопасности\r"
                     "      во время пребывания в них людей."));
        const QString swQty = QStringLiteral(
            "Количество лестничных клеток, имеющих выход в то же помещение\rи защищаемых "
            "приточной противодымной вентиляцией.");
        t.insert(QStringLiteral("sbTipOGSWQty"), swQty);
        t.insert(QStringLiteral("sbTipUGSWQty"), swQty);
        t.insert(QStringLiteral("sbTipGasMassExps"),
                 QStringLiteral("Массовый расход продуктов горения, удаляемых вытяжной\r"
                                "противодымной вентиляцией из помещения, в которое имеет "
                                "выход\rлестничная клетка, защищаемая приточной противодымной "
                                "вентиляцией."));
        t.insert(QStringLiteral("sbTipWinAirPenetration"),
                 QStringLiteral("Для ЛК с окнами учитываются утечки приточного воздуха через\r"
                                "неплотности закрытых окон. Нормативная воздухопроницаемость\r"
                                "заполнений оконных проёмов принимается\rдля пластмассовых или "
                                "алюминиевых - 5.0 кг/(м²∙ч),\rдля деревянных - 6.0 кг/(м²∙ч)."));
        t.insert(QStringLiteral("sbTipSWKoefXis"),
                 QStringLiteral("КМС = 60 для двух маршей в подъёме на один этаж."));
        const QString xid = QStringLiteral("2.44, если нет достоверных данных.");
        t.insert(QStringLiteral("sbTipOutDoorKoefXid"), xid);
        t.insert(QStringLiteral("sbTipLiftHallDoorXid"), xid);
        t.insert(QStringLiteral("sbTipOutTambourKoefXir"),
                 QStringLiteral("0 - для прямого тамбура;\r0.99 - для прямоугольного тамбура;\r"
                                "2.9...4.0 - для Z-образного тамбура."));
        t.insert(QStringLiteral("sbTipClosedDoorSpecResist"),
                 QStringLiteral("Если нет данных в проектной документации, оставить поле "
                                "пустым -\rзначения будут приняты согласно Методическим "
                                "Рекомендациям."));
        t.insert(QStringLiteral("sbTipOGH0Above"),
                 QStringLiteral("Разность высотных отметок воздухозаборной решётки и точки\r"
                                "присоединения воздуховода приточной сети к лестничной "
                                "клетке."));
        t.insert(
            QStringLiteral("sbTipLiftTerms"),
            QStringLiteral(
                "•  В соответствии с выбранным числом надземных и подземных этажей производится "
                "расчёт\r    надземной, подземной или надземно-подземной лифтовой шахты;\r•  Во "
                "всех случаях воздух подаётся в надземную часть шахты;\r•  В нижнюю часть шахты "
                "воздух проходит через зазор между шахтой и кабиной лифта;\r•  Потери давления в "
                "зазоре определяются геометрической площадью,\r    коэффициентом расхода μgap и "
                "скоростью воздуха в зазоре;\r•  Избыточное давление по умолчанию принимается = "
                "20 Па; при необходимости можно\r    подобрать нужное значение"));
        t.insert(QStringLiteral("sbTipLiftLevels"),
                 QStringLiteral("Лифтовые шахты могут иметь выходы не на всех вышележащих\r"
                                "этажах. Если не указать обслуживаемые этажи, потери\rчерез "
                                "неплотности закрытых дверей будут рассчитаны исходя\rиз "
                                "условия, что выходы есть на всех вышележащих этажах."));
        t.insert(QStringLiteral("sbTipLiftCageXil"),
                 QStringLiteral("Принимается согласно технической документации на лифтовые\r"
                                "установки здания. Если оставить поле пустым - значение будет\r"
                                "вычислено согласно зависимости (45) Методических "
                                "Рекомендаций."));
        t.insert(QStringLiteral("sbTipLiftGapLoss"),
                 QStringLiteral("Введённые значения пересчитываются в коэффициенты расхода  μ = "
                                "1/√(ξ+1).\rЗначение КМС (ξ+1) должно содержать КМС внезапного "
                                "расширения и\rне должно быть меньше единицы"));
        return t;
    }();
    return tips;
}

const QHash<QString, QString> &Hints() {
    static const QHash<QString, QString> hints = [] {
        QHash<QString, QString> h;
        h.insert(CtlName(ctl::EditOutsideDoorKoefXid),
                 QStringLiteral("Методические  рекомендации:\r  2.44"));
        h.insert(CtlName(ctl::EditOutsideTambourKoefXir),
                 QStringLiteral("Методические  рекомендации:\r  0 - прямой тамбур\r  0.99 - "
                                "прямоугольный тамбур\r  2.9...4 - z-образный тамбур"));
        const QString h0s = QStringLiteral("Положительное, если ВПУ выше оголовка.\r"
                                           "Отрицательное, если ВПУ ниже оголовка.\r"
                                           "Ноль, если на одной высоте.");
        h.insert(CtlName(ctl::EditOGH0s), h0s);
        h.insert(CtlName(ctl::EditLiftH0s), h0s);
        h.insert(CtlName(ctl::EditLiftPplus), QStringLiteral("Не менее 20 Па"));
        h.insert(CtlName(ctl::EditLiftMuGap),
                 QStringLiteral("μ зазора между кабиной и шахтой (Flc - Fls)\rμ > 0"));
        const QString unit = QStringLiteral("μ > 0\rξ+1 > 1");
        h.insert(CtlName(ctl::EditLiftUnit1Value), unit);
        h.insert(CtlName(ctl::EditLiftUnit2Value), unit);
        h.insert(CtlName(ctl::EditLiftUnit3Value), unit);
        h.insert(CtlName(ctl::EditTmbrValveXi),
                 QStringLiteral("КМС открытого клапана, приведённый к скорости\rв сечении "
                                "воздуховода + КМС решётки"));
        h.insert(CtlName(ctl::EditTmbrValveSpecResist),
                 QStringLiteral("20 °C - 29900\r20÷100 °C - 30300\r(ВНИИПО)"));
        h.insert(CtlName(ctl::EditTmbrVPipeEpsilon),
                 QStringLiteral("Сталь - 0.1 мм\rшлакобетонные плиты - 1.5 мм\rкирпич - 4 мм\r"
                                "штукатурка по металлической сетке - 10 мм\r"
                                "(по справочным данным для расчёта воздуховодов)"));
        return h;
    }();
    return hints;
}

} // namespace

QString InflowTipText(const QString &button) {
    return Tips().value(button);
}

QString InflowEditHint(const QString &edit) {
    return Hints().value(edit);
}

} // namespace orvane::inflow
