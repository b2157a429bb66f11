#include "data_file.hpp"
#include "listing.hpp"
#include "pause.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <fstream>
#include <iostream>

namespace {

// Says why the data cannot be used, if it cannot, and shows the word that
// could not be read.
void explain(const Verdict& verdict)
{
    switch (verdict.fault) { // GCOVR_EXCL_BR_LINE: the branch for a value no Fault has
    case Fault::none:
        return;
    case Fault::unreadable_file:
        std::cout << "Nera pradinio failo";
        return;
    case Fault::count:
        std::cout << "Nepavyko nuskaityti elementu kiekio";
        break;
    case Fault::too_many:
        std::cout << "Per didelis elementu kiekis: " << kiekis << " (daugiausia " << capacity << ")";
        break;
    case Fault::element:
        std::cout << "Nepavyko nuskaityti elemento nr. " << verdict.element << " is " << kiekis;
        break;
    }
    if (!verdict.word.text().empty()) {
        std::cout << ": \"" << verdict.word.text() << '"';
    }
    std::cout << std::endl;
}

} // namespace

int main()
{
    // Bytes, on every platform: Windows' text mode would end the data at a
    // 0x1A byte inside a UTF-16 character, and fold CR LF in one.
    std::ifstream is("duomenys.txt", std::ios::binary);
    // The input is checked, as far as its last element, before the report
    // starts, so a bad file gives its message alone; the pause keeps it on
    // screen.
    Elements masyvas1{};
    const Verdict verdict = read_data(is, kiekis, masyvas1);
    explain(verdict);
    if (verdict.fault == Fault::unreadable_file) {
        return 1; // at once, without a pause, as ever
    }
    if (verdict.fault == Fault::none) {
        std::cout << "elementu kiekis  " << kiekis << std::endl;
        print_array(masyvas1.data());
        std::cout << "Pradinis masyvas: ";
        print_array(masyvas1.data());
        // A negative count is shown as read but holds no elements.
        quicksort(masyvas1.data(), 0, std::max(kiekis, 0) - 1);
        std::cout << "Surusiuotas masyvas: ";
        print_array(masyvas1.data());
    }
    const bool restored = pause_console();
    // A terminal left changed, or a report that could not be written, is no
    // success.
    return verdict.fault == Fault::none && restored && std::cout ? 0 : 1;
}
