#include "common/text.h"

#include <gtest/gtest.h>

using namespace fin::common;

TEST(TextRoutines, CasesOfTheRoutines)
{
    struct Case { QString got; QString want; };
    const Case cases[] = {
        {TextBefore("123/4", "/"), "123"},
        {TextAfter("123/4", "/"), "4"},
        {TextBefore("1234", "/"), "1234"},
        {TextAfter("1234", "/"), ""},
        {TextAfter("ABXCD", "x"), "CD"},            // delimiter of the other case
        {TextBefore("abXcd", "x"), "ab"},
        {TextAfter("a//b", "//"), "b"},
        {TextAfter("abc/", "/"), ""},
        {RemoveChar("1.234.567", u'.'), "1234567"},
        {RemoveChar("", u'.'), ""},
        {DecimalToSql("1.234.567,89"), "1234567.89"},
        {DecimalToSql("1.234"), "1234"},            // no comma: digits kept, points dropped
        {DecimalToSql("0,5"), "0.5"},
        {SwapChars("01/02/2005", u'/', u'.'), "01.02.2005"},
        {SwapChars(SwapChars("01/02.2005", u'/', u'.'), u'/', u'.'), "01/02.2005"},
        {SwapChars(QString("a") + QChar(203) + "b", u'a', u'b'), "baa"},   // the placeholder becomes a
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want) << c.want.toStdString();
}
