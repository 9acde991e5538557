#include "app/HelpText.h"

#include <QStringList>

namespace app {

QString HelpText(const QString& manualAddress, const QString& palmenAddress) {
    // Adjacent literals are the pieces of one paragraph, joined as they stand.
    const QStringList paragraphs = {
        QStringLiteral("Full documentation for this software is available at ") + manualAddress +
            QStringLiteral("."),
        QStringLiteral("With no filter ..."),
        QStringLiteral(
            "To get the prime decomposition of a number >= 1 and <= 2,147,483,646 type it "
            "into \"Start number\", select \"Factor all numbers in range\" and click on "
            "\"Compute\"."),
        QStringLiteral("To get the prime decomposition of a range of numbers "
                       "enter the start and end numbers then proceed as above."),
        QStringLiteral("To get only prime numbers in a range of numbers select "
                       "\"Display primes only\".  Similarly for pairs of prime "
                       "numbers, e.g., 1,111,119,467 and 1,111,119,469."),
        QStringLiteral("To count (with no display) the number of primes in a range "
                       "select \"Count primes only\"."),
        QStringLiteral("To get all factors of a number type it into \"Start number\", select "
                       "\"Display all factors of numbers\" and click on \"Compute\"."),
        QStringLiteral("To get all factors of a range of numbers "
                       "enter the start and end numbers then proceed as above."),
        QStringLiteral("With a filter ..."),
        QStringLiteral("Set a filter condition to filter out all numbers except those "
                       "of a specified form.  The available forms are: a*n + b, a*n - b, "
                       "a/n + b, a/n - b, a^n + b and a^n - b."),
        QStringLiteral("Palmen Colors"),
        // The rule itself is on the page and in the manual.
        QStringLiteral("There are eight Palmen colors (black, red, green, yellow, "
                       "blue, magenta, cyan and white). "
                       "The Palmen color of a number is explained at ") +
            palmenAddress,
        QStringLiteral("Plotting the Erdös-Kac Histograms"),
        QStringLiteral("(1) The plot of integers with n prime factors "
                       "is formed by counting the integers (from the start number onwards) "
                       "which have exactly 1, 2, 3 ... prime factors.  "
                       "(Prime numbers and powers of prime numbers have exactly 1 prime factor.)"),
        QStringLiteral("(2) The plot of EK values is formed as follows: "
                       "The 'EK value':"),
        QStringLiteral("( NPF(n) - log(log(n)) ) / sqrt(log(log(n)))"),
        QStringLiteral("where NPF(n) is the number of prime factors of n, "
                       "and log(x) is the natural log, "
                       "is calculated for all integers n from the start number onwards.  "
                       "These values are assigned to the bins "
                       "and the histogram plots the number of values in each bin."),
        QStringLiteral("The red graph is the Gaussian curve produced by the mean "
                       "and standard deviation of the EK values computed.  The magenta graph "
                       "is the Gaussian for mean = 1/6 and standard deviation = 2/3."),
        QStringLiteral("The computation continues until values have been "
                       "computed for all integers in the range or until "
                       "two numbers are found which have the same number of prime "
                       "factors but whose EK values fall into different (adjacent) bins."),
        QStringLiteral("(3) The third plot shows the relative frequencies of the "
                       "Palmen colors as percentages.  The red line (if any) shows the linear "
                       "relationship Pc = A - B*C "
                       "which most closely fits the data (the eight percentage values)."),
        QStringLiteral("Miscellaneous"),
        QStringLiteral("Output copied to the clipboard may be pasted into "
                       "a word processor such as NotePad."),
        QStringLiteral("The state of the program (text only) may be saved "
                       "at any time, "
                       "and a previously-saved state may be restored.  The state of the program "
                       "is saved when the program terminates, and is restored when the program "
                       "starts again."),
        QStringLiteral("Credit"),
        QStringLiteral("Primorator was designed, written and tested by the Primorator project "
                       "team in 2026."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n")) + QStringLiteral("\r\n");
}

}  // namespace app
