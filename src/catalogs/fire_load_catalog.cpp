#include "catalogs/fire_load_catalog.h"

#include "core/codepage.h"
#include "core/number_text.h"
#include "core/unicode_stream.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace orvane {

const std::vector<TFireLoad> &BuiltInFireLoads() {
    static const std::vector<TFireLoad> list = {
        {"Здания I и II степени огнестойкости: мебель + бытовые изделия", 13.8, 0.0108, 0.0145},
        {"Здания I и II степени огнестойкости: мебель + ткани", 14.7, 0.0108, 0.0145},
        {"Здания I степени огнестойкости: мебель + ткани (0.75 + 0.25)", 14.9, 0.0125, 0.0162},
        {"Кабинет: мебель + бумага (0.75 + 0.25)", 14.0, 0.042, 0.0129},
        {"Помещения, облицованные панелями ДВП", 18.1, 0.0405, 0.013},
        {"Административное помещение: мебель + бумага (0.75 + 0.25)", 14.0, 0.022, 0.021},
        {"Общественные здания: мебель + линолеум ПВХ (0.9 + 0.1)", 14.0, 0.015, 0.0137},
        {"Библиотеки, архивы: книги, журналы на стеллажах", 14.5, 0.0103, 0.011},
        {"Сценическая часть зрительных залов: древесина", 13.8, 0.0368, 0.0145},
        {"Верхняя одежда: ворс, ткани (шерсть + нейлон)", 23.3, 0.0835, 0.013},
        {"Резинотехнические изделия: резина, изделия из неё", 36.0, 0.0184, 0.0112},
        {"Окрашенные полы, стены: дерево + краска РХО (0.9 + 0.1)", 14.1, 0.0151, 0.0145},
        {"Выставочные залы, мастерские: дерево + ткани + краска (0.9 + 0.09 + 0.01)", 14.0, 0.0163,
         0.0152},
        {"Издательства, типографии", 15.4, 0.004, 0.0061},
        {"Мебель: дерево + облицовка", 14.4, 0.0154, 0.0135},
        {"Промтовары: текстильные изделия", 16.7, 0.0071, 0.0244},
        {"Кабельный подвал/лоток: кабели АВВГ + АПВГ", 30.7, 0.0071, 0.0244},
        {"Радиоматериалы: полиэтилен, стирол, пропилен, гетинакс", 34.8, 0.0137, 0.0177},
        {"Электротехнические материалы: текстолит, карболит", 20.9, 0.0125, 0.0076},
        {"Электрокабель АВВГ: ПВХ оболочка + изоляция", 25.0, 0.0071, 0.0244},
        {"Электрокабель АПВГ: ПВХ оболочка + полиэтилен", 36.4, 0.0071, 0.0244},
        {"Телефонный кабель ТПВ: ПВХ + полиэтилен", 34.6, 0.0062, 0.0085},
        {"Лиственные древесные стройматериалы: штабель", 13.8, 0.0585, 0.014},
        {"Клееные стройматериалы: фанера", 18.4, 0.0167, 0.0089},
    };
    return list;
}

const std::vector<TFireLoadDensity> &BuiltInFireLoadDensities() {
    static const std::vector<TFireLoadDensity> list = {
        {"Книгохранилище, архив (Н=2 м)", 16800},
        {"Гараж (частный)", 500},
        {"Паркинг", 400},
        {"Банк (офисы)", 1300},
        {"Бизнес центр", 1300},
        {"Государственное учреждение", 1300},
        {"Научная организация", 800},
        {"Проектная организация", 1000},
        {"Многоквартирные жилые дома: квартира до 100 кв.м", 600},
        {"Многоквартирные жилые дома: квартира более 100 кв.м", 500},
        {"Одноквартирные жилые дома: дом", 800},
        {"Одноквартирные жилые дома: подвал жилого помещения", 1800},
        {"Одноквартирные жилые дома: санузлы", 20},
        {"Дома престарелых", 700},
        {"Больница", 500},
        {"Библиотека", 4000},
        {"Гардероб (с деревянными шкафами)", 800},
    };
    return list;
}

const TFireLoad &DefaultFireLoad() {
    return BuiltInFireLoads()[DefaultFireLoadNumber - 1];
}

const TFireLoadDensity &DefaultFireLoadDensity() {
    return BuiltInFireLoadDensities()[DefaultFireLoadDensityNumber - 1];
}

namespace {

// Line breaks as the UTF-16 reader takes them: LF, CR, or CR LF; no record after a final break.
std::vector<std::string> SplitLines(const std::string &text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        std::string line;
        while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n')
            line += text[pos++];
        if (pos < text.size()) {
            if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
                ++pos;
            ++pos;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ReadUtf16LeLines(const std::string &stream) {
    std::vector<std::string> lines;
    int64_t pos = 2;
    std::string line;
    while (StreamReadUnicodeLine(stream, pos, line))
        lines.push_back(line);
    return lines;
}

// BOM-less UTF-16LE: Latin and Cyrillic text has a zero or 0x04 high byte in most code units,
// and plain text never holds a zero byte otherwise.
bool LooksLikeUtf16Le(const std::string &bytes) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    size_t zeroHigh = 0;
    for (size_t i = 1; i < bytes.size(); i += 2)
        if (bytes[i] == 0)
            ++zeroHigh;
    return zeroHigh * 4 >= bytes.size() / 2;
}

// Binary junk decodes to control characters; text files hold none but the tab.
bool IsPlainText(const std::vector<std::string> &lines) {
    for (const std::string &line : lines) {
        if (!IsValidUtf8(line))
            return false;
        for (unsigned char c : line)
            if ((c < 0x20 && c != '\t') || c == 0x7F)
                return false;
    }
    return true;
}

double ReadFileNumber(const std::string &field) {
    // the form we write first: a very large or very small value is saved as "1.2E-5", which the
    // sanitising read below would turn into 1.25
    double exact = 0;
    const char *first = field.data();
    const char *last = field.data() + field.size();
    const auto [end, ec] = std::from_chars(first, last, exact);
    if (ec == std::errc() && end == last && std::isfinite(exact))
        return exact;
    const double value = TextToReal(SanitizeNumberText(field));
    // guard: a digit run too long for a double must not become infinity in a report
    return std::isfinite(value) ? value : 0.0;
}

std::string CleanName(const std::string &name) {
    std::string clean = name;
    // a separator or a line break inside a name would split the record on the next load
    for (char &c : clean)
        if (c == ';' || c == '\r' || c == '\n')
            c = ' ';
    return clean;
}

std::string FileNumber(double value) {
    return FloatToDotStr(std::isfinite(value) ? value : 0.0);
}

std::vector<TFireLoad> ParseAll(const std::vector<std::string> &lines, const TFireLoad *) {
    std::vector<TFireLoad> items;
    for (const std::string &line : lines)
        items.push_back(ParseFireLoadLine(line));
    return items;
}

std::vector<TFireLoadDensity> ParseAll(const std::vector<std::string> &lines,
                                       const TFireLoadDensity *) {
    std::vector<TFireLoadDensity> items;
    for (const std::string &line : lines)
        items.push_back(ParseFireLoadDensityLine(line));
    return items;
}

const std::vector<TFireLoad> &BuiltIn(const TFireLoad *) {
    return BuiltInFireLoads();
}
const std::vector<TFireLoadDensity> &BuiltIn(const TFireLoadDensity *) {
    return BuiltInFireLoadDensities();
}

std::string Encode(const std::vector<TFireLoad> &items) {
    return EncodeFireLoads(items);
}
std::string Encode(const std::vector<TFireLoadDensity> &items) {
    return EncodeFireLoadDensities(items);
}

const char *CatalogFileName(const TFireLoad *) {
    return FireLoadsFileName;
}
const char *CatalogFileName(const TFireLoadDensity *) {
    return FLDensitiesFileName;
}

} // namespace

std::optional<std::vector<std::string>> DecodeCatalogLines(const std::string &bytes) {
    std::vector<std::string> lines;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        lines = ReadUtf16LeLines(bytes);
    } else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
               static_cast<unsigned char>(bytes[1]) == 0xFF) {
        std::string swapped = bytes;
        for (size_t i = 0; i + 1 < swapped.size(); i += 2)
            std::swap(swapped[i], swapped[i + 1]);
        lines = ReadUtf16LeLines(swapped);
    } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        const std::string text = bytes.substr(3);
        lines = SplitLines(IsValidUtf8(text) ? text : Cp1251ToUtf8(text));
    } else if (bytes.find('\0') != std::string::npos) {
        if (!LooksLikeUtf16Le(bytes))
            return std::nullopt;
        lines = ReadUtf16LeLines(std::string("\xFF\xFE", 2) + bytes);
    } else {
        lines = SplitLines(IsValidUtf8(bytes) ? bytes : Cp1251ToUtf8(bytes));
    }
    if (!IsPlainText(lines))
        return std::nullopt;
    return lines;
}

TFireLoad ParseFireLoadLine(const std::string &line) {
    TFireLoad item;
    item.Name = CsvField(line, 0);
    item.BurnEnergy = ReadFileNumber(CsvField(line, 1));
    item.FireSpeed = ReadFileNumber(CsvField(line, 2));
    item.SBurnSpeed = ReadFileNumber(CsvField(line, 3));
    return item;
}

TFireLoadDensity ParseFireLoadDensityLine(const std::string &line) {
    TFireLoadDensity item;
    item.Name = CsvField(line, 0);
    item.FLDensity = ReadFileNumber(CsvField(line, 1));
    return item;
}

std::string EncodeFireLoads(const std::vector<TFireLoad> &items) {
    ByteStream stream;
    StreamStartUnicode(stream);
    for (const TFireLoad &item : items)
        StreamAppendUnicode(stream, CleanName(item.Name) + ";" + FileNumber(item.BurnEnergy) + ";" +
                                        FileNumber(item.FireSpeed) + ";" +
                                        FileNumber(item.SBurnSpeed) + "\r\n");
    return stream;
}

std::string EncodeFireLoadDensities(const std::vector<TFireLoadDensity> &items) {
    ByteStream stream;
    StreamStartUnicode(stream);
    for (const TFireLoadDensity &item : items)
        StreamAppendUnicode(stream,
                            CleanName(item.Name) + ";" + FileNumber(item.FLDensity) + "\r\n");
    return stream;
}

template <typename Record> bool BasicCatalog<Record>::load(const std::string &path) {
    Items.clear();
    Modified = false;
    loadFailed_ = false;
    warningTaken_ = false;
    std::error_code ec;
    // the path is UTF-8: built from char8_t, never read in the ANSI code page
    const bool exists =
        std::filesystem::exists(std::filesystem::path(std::u8string(path.begin(), path.end())), ec);
    if (!exists && !ec) {
        Items = BuiltIn(static_cast<const Record *>(nullptr));
        return false;
    }
    std::string bytes;
    std::optional<std::vector<std::string>> lines;
    readFailure_.clear();
    if (!ec) {
        const FileResult read = ReadFileBytes(path, bytes);
        if (read.ok)
            lines = DecodeCatalogLines(bytes);
        else
            readFailure_ = read.reason;
    }
    if (!lines) {
        loadFailed_ = true;
        Items = BuiltIn(static_cast<const Record *>(nullptr));
        return false;
    }
    Items = ParseAll(*lines, static_cast<const Record *>(nullptr));
    return true;
}

template <typename Record> FileResult BasicCatalog<Record>::save(const std::string &path) {
    const FileResult result = WriteFileAtomic(path, Encode(Items));
    if (result.ok)
        Modified = false;
    return result;
}

template <typename Record> std::optional<std::string> BasicCatalog<Record>::takeLoadWarning() {
    if (!loadFailed_ || warningTaken_)
        return std::nullopt;
    warningTaken_ = true;
    const std::string why = readFailure_.empty() ? "" : " (" + readFailure_ + ")";
    return std::string("Файл ") + FileName() + " не удалось прочитать" + why +
           ", загружен встроенный список.";
}

template <typename Record>
std::string BasicCatalog<Record>::FilePath(const std::string &dataFolder) {
    std::string path = dataFolder;
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += PathDelimiter();
    return path + FileName();
}

template <typename Record> const char *BasicCatalog<Record>::FileName() {
    return CatalogFileName(static_cast<const Record *>(nullptr));
}

template class BasicCatalog<TFireLoad>;
template class BasicCatalog<TFireLoadDensity>;

} // namespace orvane
