#include "settings/SettingsRecordCodec.h"

#include <QtEndian>

#include <bit>
#include <type_traits>

namespace {

// The layout of the file lives in these walks alone: each visits the fields in file order
// and tells the codec how each one is stored. Writing, reading and the compile-time layout
// checks below all follow the same walk.

template <typename Codec, typename Settings> constexpr void walkSettings(Codec& c, Settings& s)
{
    c.int32(s.NumberOfCards);
    c.int32(s.WhenRememberQuestions);
    c.int32(s.WhenRememberAnswers);
    c.int32(s.MaximumForQuestions);
    c.int32(s.MaximumForAnswers);
    c.int32(s.DelayInMilliseconds);
    c.int32(s.TimesForQuestions);
    c.int32(s.TimesForAnswers);
    c.int32(s.WhenSimultaneously0);
    c.int32(s.WhenSimultaneously00);
    c.boolean(s.QuestionsFirst);
    c.boolean(s.AnswersFirst);
    c.boolean(s.Randomly);
    c.boolean(s.Simultaneously);
    c.boolean(s.ShowPhonetic);
    c.boolean(s.TakeFromDict);
    c.boolean(s.Vibration);
    c.boolean(s.ClipboardQ);
    c.boolean(s.ClipboardA);
    c.boolean(s.ClipboardQA);
    c.boolean(s.ClipboardQAlways);
    c.boolean(s.ClipboardNothing);
    c.int32(s.DelayOfHint);
    c.byte(s.Boolean0);
    c.byte(s.Boolean1);
    c.byte(s.Boolean2);
    c.byte(s.Boolean3);
    c.byte(s.Boolean4);
    c.byte(s.Boolean5);
    c.byte(s.Boolean6);
    c.byte(s.Padding63);
    c.int32(s.Integer1);
    c.int32(s.Integer2);
    c.int32(s.Integer3);
    c.int32(s.Integer4);
    c.int32(s.Integer5);
    c.int32(s.Integer6);
    c.int32(s.Integer7);
}

template <typename Codec, typename View> constexpr void walkView(Codec& c, View& v)
{
    c.uint32(v.TopColor);
    c.uint32(v.BottomColor);
    c.boolean(v.TopTexture);
    c.boolean(v.BottomTexture);
    c.bytes(v.Padding10);
    c.float64(v.QSize);
    c.uint32(v.QColor);
    c.byte(v.QStyles);
    c.bytes(v.Padding29);
    c.float64(v.ASize);
    c.uint32(v.AColor);
    c.byte(v.AStyles);
    c.bytes(v.Padding45);
    c.float64(v.PSize);
    c.uint32(v.PColor);
    c.byte(v.PStyles);
    c.boolean(v.WhiteIndicator);
    c.byte(v.Boolean1);
    c.byte(v.Boolean2);
    c.byte(v.Boolean3);
    c.byte(v.Boolean4);
    c.byte(v.Boolean5);
    c.byte(v.Boolean6);
    c.int32(v.Integer1);
    c.int32(v.Integer2);
    c.int32(v.Integer3);
    c.int32(v.Integer4);
    c.int32(v.Integer5);
    c.int32(v.Integer6);
    c.int32(v.Integer7);
}

template <typename Codec, typename Record> constexpr void walkDataRecord(Codec& c, Record& r)
{
    for (auto& settings : r.Settings)
        walkSettings(c, settings);
    c.int32(r.LearningMode);
    for (auto& view : r.Views)
        walkView(c, view);
    c.int32(r.WindowTop);
    c.int32(r.WindowLeft);
    c.int32(r.WindowWidth);
    c.int32(r.WindowHeight);
    c.int32(r.GeometryMark);
    c.boolean(r.EnglishInterface);
    c.boolean(r.RightToLeftTicked);
    c.boolean(r.ShowRightToLeftCheckBox);
    c.savedOnlyBoolean(r.ShowPhoneticCheckBox);
    c.boolean(r.ShowIndicators);
    c.savedOnlyBoolean(r.PhoneticTicked);
    c.bytes(r.Reserved);
}

// Follows a walk without touching bytes: notes where the field `target` starts and where
// the walk ends.
template <typename Field> struct Locate
{
    const Field* target = nullptr;
    qsizetype offset = -1;
    qsizetype end = 0;

    template <typename T> constexpr void step(const T& field, qsizetype size)
    {
        if constexpr (std::is_same_v<T, Field>) {
            if (&field == target)
                offset = end;
        }
        end += size;
    }
    constexpr void int32(const qint32& f) { step(f, 4); }
    constexpr void uint32(const quint32& f) { step(f, 4); }
    constexpr void float64(const double& f) { step(f, 8); }
    constexpr void boolean(const bool& f) { step(f, 1); }
    constexpr void savedOnlyBoolean(const bool& f) { step(f, 1); }
    constexpr void byte(const quint8& f) { step(f, 1); }
    template <std::size_t N> constexpr void bytes(const std::array<quint8, N>& f) { step(f, N); }
};

template <typename Select> constexpr qsizetype offsetInRecord(Select select)
{
    const DataRecord record;
    const auto& field = select(record);
    Locate<std::remove_cvref_t<decltype(field)>> locate{&field};
    walkDataRecord(locate, record);
    return locate.offset;
}

template <typename Record, typename Walk> constexpr qsizetype walkedSize(Walk walk)
{
    const Record record;
    Locate<Record> locate;
    walk(locate, record);
    return locate.end;
}

static_assert(walkedSize<TSettings>([](auto& c, auto& s) { walkSettings(c, s); }) == TSettingsSize);
static_assert(walkedSize<TView>([](auto& c, auto& v) { walkView(c, v); }) == TViewSize);
static_assert(walkedSize<DataRecord>([](auto& c, auto& r) { walkDataRecord(c, r); }) ==
              DataRecordSize);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Settings[0].DelayOfHint; }) == 52);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Settings[0].Integer1; }) == 64);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Settings[2].NumberOfCards; }) == 184);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.LearningMode; }) == 276);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Views[0].QSize; }) == 296);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Views[0].PStyles; }) == 340);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Views[0].Integer1; }) == 348);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Views[2].QColor; }) == 496);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.WindowTop; }) == 568);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.EnglishInterface; }) == 588);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.PhoneticTicked; }) == 593);
static_assert(offsetInRecord([](auto& r) -> auto& { return r.Reserved; }) == 594);

class Writer
{
public:
    explicit Writer(char* out) : m_out(out) {}

    void int32(qint32 v) { put(v); }
    void uint32(quint32 v) { put(v); }
    void float64(double v) { put(std::bit_cast<quint64>(v)); }
    void boolean(bool v) { put(quint8(v ? 1 : 0)); }
    void savedOnlyBoolean(bool v) { boolean(v); }
    void byte(quint8 v) { put(v); }
    template <std::size_t N> void bytes(const std::array<quint8, N>& v)
    {
        for (quint8 b : v)
            put(b);
    }

private:
    template <typename T> void put(T v)
    {
        qToLittleEndian(v, m_out);
        m_out += sizeof(T);
    }

    char* m_out;
};

class Reader
{
public:
    explicit Reader(const char* in) : m_in(in) {}

    void int32(qint32& v) { v = take<qint32>(); }
    void uint32(quint32& v) { v = take<quint32>(); }
    void float64(double& v) { v = std::bit_cast<double>(take<quint64>()); }
    void boolean(bool& v) { v = take<quint8>() != 0; }
    void savedOnlyBoolean(bool&) { ++m_in; }
    void byte(quint8& v) { v = take<quint8>(); }
    template <std::size_t N> void bytes(std::array<quint8, N>& v)
    {
        for (quint8& b : v)
            b = take<quint8>();
    }

private:
    template <typename T> T take()
    {
        const T v = qFromLittleEndian<T>(m_in);
        m_in += sizeof(T);
        return v;
    }

    const char* m_in;
};

} // namespace

QByteArray encodeDataRecord(const DataRecord& record)
{
    QByteArray bytes(DataRecordSize, '\0');
    Writer writer(bytes.data());
    walkDataRecord(writer, record);
    return bytes;
}

bool decodeDataRecord(QByteArrayView bytes, DataRecord& record)
{
    if (bytes.size() < DataRecordSize)
        return false;
    Reader reader(bytes.data());
    walkDataRecord(reader, record);
    // Only three modes exist; a stored index outside them would address no record.
    if (record.LearningMode < 0 || record.LearningMode >= ModeCount)
        record.LearningMode = 0;
    return true;
}
