#include "platform/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteDecodesAndEncodesBackToItself)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = Windows1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Windows1252::encode(text), all);
}

TEST(Windows1252, TypographicCharactersAreSingleBytesBetween0x80And0x9F)
{
    const struct {
        char16_t character;
        unsigned char byte;
    } cases[] = {{u'’', 0x92}, {u'“', 0x93}, {u'”', 0x94}, {u'€', 0x80}, {u'–', 0x96},
                 {u'Œ', 0x8C}, {u'Ÿ', 0x9F}, {u'é', 0xE9}, {u'A', 0x41}};
    for (const auto &c : cases) {
        EXPECT_EQ(Windows1252::byteOf(QChar(c.character)), std::optional<char>(char(c.byte))) << c.byte;
        EXPECT_EQ(Windows1252::charOf(char(c.byte)), QChar(c.character)) << c.byte;
    }
    EXPECT_EQ(Windows1252::encode(u"“Café” – 5 €"), QByteArray("\x93"
                                                               "Caf\xE9\x94 \x96 5 \x80"));
}

TEST(Windows1252, CharactersOutsideTheCodePageHaveNoByte)
{
    for (const char16_t c : {u'☃', u'Ā', char16_t(0x0080), char16_t(0x0099), char16_t(u'€' + 1)})
        EXPECT_FALSE(Windows1252::byteOf(QChar(c)).has_value()) << int(c);
    EXPECT_EQ(Windows1252::encode(u"a☃b"), QByteArray("a?b"));
}

TEST(Windows1252, GraphicCharactersExcludeControlsAndUndefinedBytes)
{
    for (const char16_t c : {u' ', u'~', u'€', u'Ÿ', u'é', u'ÿ'})
        EXPECT_TRUE(Windows1252::isGraphic(QChar(c))) << int(c);
    for (const char16_t c : {u'\r', u'\t', char16_t(0x7F), char16_t(0x81), char16_t(0x9D), u'☃'})
        EXPECT_FALSE(Windows1252::isGraphic(QChar(c))) << int(c);
}
