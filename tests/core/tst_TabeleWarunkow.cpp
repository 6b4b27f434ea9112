// The lookup tables of the working conditions: which zone a typed te selects, which class a typed
// indoor humidity selects, and which lambda a class takes.
#include "core/TabeleWarunkow.h"

#include <gtest/gtest.h>

using namespace murolab;

namespace {

TEST(TabeleWarunkow, StrefaKlasaILambdaWedlugWpisanychWartosci) {
    struct {
        int Te;
        const char* Strefa;
    } const strefy[] = {
        {-16, "Strefa I"},
        {-20, "Strefa III"},
        {-24, "Strefa V"},
        // -5 is what "nieokreślona" writes, yet it never selects it back as a zone of its own.
        {-5, "nieokreślona"},
        {-17, "nieokreślona"},
        {0, "nieokreślona"},
        {16, "nieokreślona"},
    };
    for (const auto& p : strefy) {
        SCOPED_TRACE(p.Te);
        EXPECT_EQ(StrefaDlaTe(p.Te).Nazwa, p.Strefa);
    }
    // Picking a zone writes its te, and that te selects the same zone again.
    for (const TStrefaKlimatyczna& s : kStrefyKlimatyczne) {
        if (s.WybieranaPrzezTe) {
            EXPECT_EQ(StrefaDlaTe(s.Te).Nazwa, s.Nazwa);
        }
    }

    struct {
        int Fi;
        const char* Klasa;
    } const klasy[] = {
        {1, "Warunki średniowilgotne"}, {55, "Warunki średniowilgotne"}, {74, "Warunki średniowilgotne"},
        {75, "Warunki wilgotne"},       {99, "Warunki wilgotne"},
    };
    for (const auto& p : klasy) {
        SCOPED_TRACE(p.Fi);
        EXPECT_EQ(KlasaDlaFi(p.Fi).Nazwa, p.Klasa);
    }
    // A class's own phi_i selects that class when the field is left.
    for (const TKlasaWilgotnosci& k : kKlasyWilgotnosci)
        EXPECT_EQ(KlasaDlaFi(k.FiI).Nazwa, k.Nazwa);

    EXPECT_TRUE(CzyWarunkiWilgotne("Warunki wilgotne"));
    EXPECT_FALSE(CzyWarunkiWilgotne("Warunki średniowilgotne"));
    EXPECT_FALSE(CzyWarunkiWilgotne("")) << "a project opened before the class was set";
    EXPECT_FALSE(CzyWarunkiWilgotne("warunki wilgotne"));

    ASSERT_NE(ZnajdzTypPrzegrody("Ściany wewnętrzne"), nullptr);
    EXPECT_EQ(ZnajdzTypPrzegrody("Ściany wewnętrzne")->Rse, 0.08);
    EXPECT_EQ(ZnajdzTypPrzegrody("Dachy, stropodachy, tarasy przy przepływ"), nullptr)
        << "a type cut to 40 characters matches no row, so it never overwrites a stored Rsi";
}

} // namespace
