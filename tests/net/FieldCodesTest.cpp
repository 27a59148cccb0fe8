// The codes of the fields and the tokens of their forms.
#include "net/FieldCodes.h"
#include "net/FormTokens.h"
#include "support/GTestQt.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(FieldCodes, SixDigitsEachFieldItsOwnRenewedAtOnce)
{
    FieldCodes codes;
    codes.assign(50);
    QSet<QString> seen;
    for (int field = 1; field <= 50; ++field) {
        EXPECT_EQ(codes.code(field).size(), FieldCodes::Digits);
        EXPECT_TRUE(codes.matches(field, codes.code(field).toLatin1()));
        seen.insert(codes.code(field));
    }
    EXPECT_EQ(seen.size(), 50);
    const QByteArray old = codes.code(7).toLatin1();
    const quint32 generation = codes.generation(7);
    codes.renew(7);
    EXPECT_FALSE(codes.matches(7, old));
    EXPECT_NE(codes.generation(7), generation);
    for (const QByteArray& wrong : {QByteArray(), codes.code(7).toLatin1().left(5),
                                    codes.code(7).toLatin1() + '0', codes.code(8).toLatin1()})
        EXPECT_FALSE(codes.matches(7, wrong)) << wrong.constData();
    EXPECT_FALSE(codes.matches(51, QByteArray("xxxxxx")));
    EXPECT_TRUE(codes.listText().startsWith(QStringLiteral("Platz 1: ") + codes.code(1) + u'\n'));
}

TEST(FormTokens, ATokenHoldsForItsFieldAndCodeOnceAndForAWhile)
{
    FormTokens tokens;
    const QByteArray token = tokens.issue(3, 17, 1000);
    using Check = FormTokens::Check;
    EXPECT_EQ(tokens.check(token, 3, 17, 2000), Check::Valid);
    EXPECT_EQ(tokens.check(token, 4, 17, 2000), Check::Invalid);
    EXPECT_EQ(tokens.check(token, 3, 18, 2000), Check::Invalid) << "a renewed code ends the old pages";
    EXPECT_EQ(tokens.check(token, 3, 17, 1000 + FormTokens::LifetimeMs + 1), Check::Expired);
    QByteArray forged = token;
    forged[3] = forged[3] == 'A' ? 'B' : 'A';
    for (const QByteArray& bad : {forged, QByteArray("abc"), QByteArray(), FormTokens().issue(3, 17, 1000)})
        EXPECT_EQ(tokens.check(bad, 3, 17, 2000), Check::Invalid);
    tokens.markUsed(token, 2000);
    EXPECT_EQ(tokens.check(token, 3, 17, 3000), Check::Used);
}
