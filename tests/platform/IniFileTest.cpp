#include "platform/IniFile.h"
#include "CaseNames.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(IniFile, MissingFileSectionOrKeyReadsAsZeroOrEmpty)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("settings.ini")));
    EXPECT_EQ(ini.readInt(QStringLiteral("System"), QStringLiteral("Com Port")), 0);
    EXPECT_EQ(ini.readString(QStringLiteral("System"), QStringLiteral("Com Port")), QString());
}

TEST(IniFile, KeysWithBlanksRoundTripAndOtherLinesSurvive)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("; kept\r\n[System]\r\nDebug=1\r\n\r\n[Other]\r\nx=y\r\n");
    f.close();
    IniFile ini(path);
    ASSERT_TRUE(ini.write(QStringLiteral("System"), QStringLiteral("Com Port"), QStringLiteral("16")));
    ASSERT_TRUE(ini.write(QStringLiteral("system"), QStringLiteral("DEBUG"), QStringLiteral("2")));
    ASSERT_TRUE(ini.write(QStringLiteral("Last Files"), QStringLiteral("File 1"), QString()));
    EXPECT_EQ(contents(path),
              QByteArray(
                  "; kept\r\n[System]\r\nDEBUG=2\r\nCom Port=16\r\n\r\n[Other]\r\nx=y\r\n[Last Files]\r\nFile 1=\r\n"));
    EXPECT_EQ(ini.readInt(QStringLiteral("SYSTEM"), QStringLiteral("com port")), 16);
}

struct IntCase {
    const char *value;
    qint16 expected;
};
void PrintTo(const IntCase &c, std::ostream *os)
{
    *os << '"' << c.value << '"';
}
class IniIntegers : public ::testing::TestWithParam<IntCase> {};
TEST_P(IniIntegers, ReadAsLeadingNumberCutTo16Bits)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("s.ini")));
    ini.write(QStringLiteral("S"), QStringLiteral("k"), QString::fromLatin1(GetParam().value));
    EXPECT_EQ(ini.readInt(QStringLiteral("S"), QStringLiteral("k")), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Values, IniIntegers,
                         ::testing::Values(IntCase{"17", 17}, IntCase{"abc", 0}, IntCase{"12abc", 12},
                                           IntCase{"-3", -3}, IntCase{"65537", 1}, IntCase{"40000", -25536},
                                           IntCase{"", 0}),
                         [](const auto &info) {
                             return (info.param.value[0] == '-' ? "Minus" : "") + caseName(info.param.value);
                         });

TEST(IniFile, StringsAreCutTo127Characters)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("s.ini")));
    const QString longPath = QStringLiteral("/") + QString(200, QLatin1Char('a'));
    ini.write(QStringLiteral("Last Files"), QStringLiteral("File 1"), longPath);
    EXPECT_EQ(ini.readString(QStringLiteral("Last Files"), QStringLiteral("File 1")), longPath.left(127));
}
