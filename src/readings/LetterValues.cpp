#include "readings/LetterValues.h"

#include "runtime/Ansi.h"

#include <algorithm>
#include <limits>

namespace readings {
namespace {

// The 27 letters in alphabetical order take 1..9 three times over.
const QString kAlphabet = QStringLiteral(u"abcdefghijklmnñopqrstuvwxyz");
constexpr int kHighestValue = 9;

int accentedVowelValue(QChar ch) {
    static const QString accented = QStringLiteral(u"áéíóú");
    static const QString plain = QStringLiteral("aeiou");
    const qsizetype i = accented.indexOf(ch);
    return i < 0 ? 0 : letterValue(plain.at(i));
}

bool isDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// Sums in a 64-bit count and holds the result within Long, however long the text.
runtime::Long letterSum(const QString& text, bool digitsCount) {
    long long sum = 0;
    for (const QChar ch : runtime::ansiLower(text)) {
        sum += digitsCount && isDigit(ch) ? runtime::digitValue(ch) : letterValue(ch);
    }
    return static_cast<runtime::Long>(
        std::min<long long>(sum, std::numeric_limits<runtime::Long>::max()));
}

} // namespace

int letterValue(QChar ch) {
    const qsizetype i = kAlphabet.indexOf(ch);
    if (i >= 0) {
        return static_cast<int>(i % kHighestValue) + 1;
    }
    return accentedVowelValue(ch);
}

std::optional<runtime::Long> nameLetterSum(const QString& nombre) {
    if (std::any_of(nombre.begin(), nombre.end(), isDigit)) {
        return std::nullopt;
    }
    return letterSum(nombre, false);
}

runtime::Long questionLetterSum(const QString& texto) {
    return letterSum(texto, true);
}

QString onlyLettersMessage() {
    return QStringLiteral("You must insert only latin international characters: \r\n"
                          "a,b,c,d,e,f,g,h,i,j,k,l,m,n,ñ,o,p,q,r,s,t,u,v,w,x,y,z\r\n"
                          "Thank you.");
}

} // namespace readings
