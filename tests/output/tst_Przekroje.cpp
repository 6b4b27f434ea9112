// What the sheets and the report show of a partition with bridged layers, section by section: the
// rafter roof whose wool condenses and whose rafter has the colder surface, a steel-bridged wall the
// combined method refuses, and a homogeneous wall for which everything stays as it was.

#include "ModelTestowy.h"
#include "core/AnalizaProjektu.h"
#include "core/Przygotowanie.h"
#include "output/DaneWykresow.h"
#include "output/Przekroje.h"
#include "output/RaportLinie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace murolab;

using namespace murolab::test;

namespace {

// The rafter roof of the shared set-up, its rafters' lambda and name as given; calculated.
TModelProjektu Dach(double lambdaKrokwi = 0.13, const char* krokiew = "Krokiew") {
    TModelProjektu m = DachNaKrokwiach();
    m.Warstwy[2].Mostki[0].Lambda = lambdaKrokwi;
    m.Warstwy[2].Mostki[0].Nazwa = krokiew;
    ObliczPrzegrode(m);
    return m;
}

TAnalizaProjektu Analiza(const TModelProjektu& m, const TKlimat* klimat = nullptr) {
    TWyborAnalizy w;
    w.Klimat = klimat;
    w.NazwaKlimatu = klimat ? "nizina" : "";
    return AnalizujProjekt(m, w);
}

bool Zawiera(const std::vector<TLiniaWyniku>& linie, const std::string& tekst, bool czerwona = false) {
    return std::any_of(linie.begin(), linie.end(), [&](const TLiniaWyniku& l) {
        return l.Tekst.find(tekst) != std::string::npos && l.Czerwony == czerwona;
    });
}

std::vector<std::string> Pelne(const std::vector<TLiniaWyniku>& linie) {
    std::vector<std::string> t;
    for (const TLiniaWyniku& l : linie)
        t.push_back(l.Pelna());
    return t;
}

} // namespace

TEST(Przekroje, ListaIDomyslnyPrzekroj) {
    const TModelProjektu dach = Dach();
    const TAnalizaProjektu a = Analiza(dach);
    EXPECT_EQ(NazwyPrzekrojow(a),
              (std::vector<std::string>{"przez Wełna mineralna 88 %", "przez Krokiew 12 %"}));
    EXPECT_EQ(DomyslnyPrzekroj(a), 0u);

    const TModelProjektu sciana = ModelTestowy(20, -20, {0.015, 0.25, 0.12});
    const TAnalizaProjektu j = Analiza(sciana);
    EXPECT_TRUE(NazwyPrzekrojow(j).empty());
    EXPECT_EQ(DomyslnyPrzekroj(j), 0u);
    // No section to choose: whatever the index, the partition itself.
    EXPECT_EQ(&ModelPrzekrojuWidoku(sciana, j, 3), &sciana);
    EXPECT_EQ(&WilgocPrzekrojuWidoku(j, 3), &j.Wilgoc);
}

TEST(Przekroje, ArkuszWynikowPokazujeWybranyPrzekrojZUkCalejPrzegrody) {
    const TModelProjektu dach = Dach();
    const TAnalizaProjektu a = Analiza(dach);
    const TArkuszWynikow welna = ArkuszWynikowPrzekroju(dach, a, 0, 20, -5);
    const TArkuszWynikow krokiew = ArkuszWynikowPrzekroju(dach, a, 1, 20, -5);
    // Row 0 is the inner side: layer 2 is row 2.
    EXPECT_EQ(welna.RichEditMaterial.at(2), "Wełna mineralna");
    EXPECT_EQ(krokiew.RichEditMaterial.at(2), "Krokiew");
    EXPECT_EQ(krokiew.RichEditLambda.at(2), "0,1300");
    EXPECT_NE(welna.RichEditTemp, krokiew.RichEditTemp);
    EXPECT_NE(welna.LabelI, krokiew.LabelI);
    // Uk is the partition's (U0 = 1/RT of the combined method), whichever section is shown.
    const TArkuszWynikow calosc = ArkuszWynikow(dach, 20, -5);
    for (const TArkuszWynikow* s : {&welna, &krokiew}) {
        EXPECT_EQ(s->LabelUk, calosc.LabelUk);
        EXPECT_EQ(s->SkladnikiUk, calosc.SkladnikiUk);
    }
    EXPECT_NEAR(dach.Wyniki.U0, 1 / a.Niejednorodna->Metoda.RT, 1e-12);
    // The surface verdict is the coldest section's (the rafter) on both.
    const TArkuszWynikow najzimniejszy =
        ArkuszWynikow(a.Niejednorodna->Przekroje[a.Niejednorodna->NajgorszaPowierzchnia].Model, 20, -5);
    EXPECT_EQ(a.Niejednorodna->NajgorszaPowierzchnia, 1u);
    EXPECT_EQ(welna.LabeLKomunikat, najzimniejszy.LabeLKomunikat);
    EXPECT_EQ(welna.KomunikatCzerwony, najzimniejszy.KomunikatCzerwony);

    // A homogeneous wall's sheet is the one it always was.
    const TModelProjektu sciana = ModelTestowy(20, -20, {0.015, 0.25, 0.12});
    const TArkuszWynikow j = ArkuszWynikowPrzekroju(sciana, Analiza(sciana), 0, 20, -20);
    const TArkuszWynikow dawny = ArkuszWynikow(sciana, 20, -20);
    EXPECT_EQ(j.RichEditMaterial, dawny.RichEditMaterial);
    EXPECT_EQ(j.RichEditTemp, dawny.RichEditTemp);
    EXPECT_EQ(j.LabelUk, dawny.LabelUk);
    EXPECT_EQ(j.LabeLKomunikat, dawny.LabeLKomunikat);
}

TEST(Przekroje, WykresyIdaZaWybranymPrzekrojem) {
    const TModelProjektu dach = Dach();
    const TAnalizaProjektu a = Analiza(dach);
    const TDaneWykresuTemperatur welna = DaneWykresuTemperatur(ModelPrzekrojuWidoku(dach, a, 0), true);
    const TDaneWykresuTemperatur krokiew = DaneWykresuTemperatur(ModelPrzekrojuWidoku(dach, a, 1), true);
    ASSERT_EQ(welna.Temperatura.size(), krokiew.Temperatura.size());
    // The rafter's inner surface (point 1) is colder than the wool's.
    EXPECT_LT(krokiew.Temperatura[1].Y, welna.Temperatura[1].Y);
    // Only the wool section condenses at the design condition: its diagram has the planes.
    EXPECT_FALSE(
        DaneLiniiKondensacji(ModelPrzekrojuWidoku(dach, a, 0), WilgocPrzekrojuWidoku(a, 0).Projektowe)
            .Plaszczyzny.empty());
    EXPECT_TRUE(DaneLiniiKondensacji(ModelPrzekrojuWidoku(dach, a, 1), WilgocPrzekrojuWidoku(a, 1).Projektowe)
                    .Plaszczyzny.empty());
}

TEST(Przekroje, LiniePodWynikami) {
    struct {
        const char* Nazwa;
        double LambdaKrokwi;
        bool Stosowalna;
    } const przypadki[] = {{"krokiew drewniana", 0.13, true}, {"profil stalowy", 50, false}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const TModelProjektu dach = Dach(p.LambdaKrokwi, p.Stosowalna ? "Krokiew" : "Profil stalowy");
        const TAnalizaProjektu a = Analiza(dach);
        const std::vector<TLiniaWyniku> linie = LinieWynikowNiejednorodnej(dach, a);
        EXPECT_TRUE(Zawiera(linie, "Warstwa 2: Wełna mineralna 88 %, "));
        EXPECT_TRUE(Zawiera(linie, "R'T = "));
        EXPECT_TRUE(Zawiera(linie, "R''T = "));
        EXPECT_EQ(Zawiera(linie, "metoda uproszczona PN-EN ISO 6946 nie ma zastosowania", true),
                  !p.Stosowalna);
        EXPECT_EQ(Zawiera(linie, "U podano tylko informacyjnie"), !p.Stosowalna);
        // U is still given for information.
        EXPECT_GT(dach.Wyniki.U0, 0);
    }

    // A homogeneous wall has nothing to add, unless it has fasteners: then the form of their correction.
    TModelProjektu sciana = ModelTestowy(20, -20, {0.015, 0.25, 0.12});
    EXPECT_TRUE(LinieWynikowNiejednorodnej(sciana, Analiza(sciana)).empty());
    sciana.WarunkiPracy.LambdaF = 50;
    sciana.WarunkiPracy.Alfa = 6;
    sciana.WarunkiPracy.PoleF = 1e-5;
    sciana.WarunkiPracy.LiczbaF = 4;
    ObliczPrzegrode(sciana);
    const std::vector<TLiniaWyniku> zLacznikami = LinieWynikowNiejednorodnej(sciana, Analiza(sciana));
    ASSERT_EQ(zLacznikami.size(), 1u);
    EXPECT_EQ(zLacznikami[0].Tekst, OpisFormyLacznika(sciana));
}

TEST(Przekroje, MiesiaceIWerdyktyWybranegoPrzekroju) {
    const TKlimat klimat = KlimatNizinny();
    const TModelProjektu dach = Dach();
    const TAnalizaProjektu a = Analiza(dach, &klimat);
    const TWilgocPrzekroju welna = WilgocPrzekroju(a, 0);
    const TWilgocPrzekroju krokiew = WilgocPrzekroju(a, 1);
    EXPECT_EQ(welna.Werdykty.rfind("przez Wełna mineralna 88 %: ", 0), 0u);
    EXPECT_EQ(krokiew.Werdykty.rfind("przez Krokiew 12 %: ", 0), 0u);
    // The wool accumulates over the winter, the rafter never does.
    ASSERT_EQ(welna.Teksty.MaMiesiecy.size(), 12u);
    EXPECT_GT(*std::max_element(welna.Teksty.MaMiesiecy.begin(), welna.Teksty.MaMiesiecy.end()), 0);
    EXPECT_TRUE(std::all_of(krokiew.Teksty.MaMiesiecy.begin(), krokiew.Teksty.MaMiesiecy.end(),
                            [](double ma) { return ma == 0; }));
    EXPECT_EQ(welna.Teksty.Miesiace.size(), 12u);
}

TEST(Przekroje, RaportPokazujeNajgorszePrzekroje) {
    const TKlimat klimat = KlimatNizinny();
    const TModelProjektu dach = Dach();
    const TAnalizaProjektu a = Analiza(dach, &klimat);
    const TRaportPrzekrojow r = RaportPrzekrojow(dach, *a.Niejednorodna);
    // Page 1 (temperatures, surface verdict): the rafter; page 2 (pressures): the condensing wool.
    EXPECT_EQ(r.Strona1, 1u);
    EXPECT_EQ(r.Strona2, 0u);
    EXPECT_TRUE(Zawiera(r.Linie1, "Warstwa 2: Wełna mineralna 88 %, Krokiew 12 %"));
    EXPECT_TRUE(Zawiera(r.Linie1, "R'T = "));
    EXPECT_TRUE(Zawiera(r.Linie1, "przekrój „przez Krokiew 12 %”"));
    EXPECT_TRUE(Zawiera(r.Linie2, "przekrój „przez Wełna mineralna 88 %”"));
    // A line per other section on page 2, per section on page 3.
    ASSERT_EQ(r.Linie2.size(), 2u);
    EXPECT_EQ(r.Linie2[1].Tekst, "Przekrój " + WerdyktyPrzekroju(a.Niejednorodna->Przekroje[1]));
    ASSERT_EQ(r.Linie3.size(), 2u);
    EXPECT_EQ(r.Linie3[0].Tekst, "Przekrój " + WerdyktyPrzekroju(a.Niejednorodna->Przekroje[0]));

    TRaport raport;
    WypelnijRaportPrzekrojow(raport, dach, a, 20, -5, "Dach");
    const auto& temp = raport.Temperatury.Nazwa;
    const auto& cisn = raport.Cisnienia.Nazwa;
    EXPECT_NE(std::find(temp.begin(), temp.end(), "  Krokiew"), temp.end());
    EXPECT_NE(std::find(cisn.begin(), cisn.end(), "  Wełna mineralna"), cisn.end());
    EXPECT_EQ(raport.Uk, ArkuszWynikow(dach, 20, -5).LabelUk);

    // A homogeneous wall's report is filled exactly as before.
    const TModelProjektu sciana = ModelTestowy(20, -20, {0.015, 0.25, 0.12});
    TRaport nowy, dawny;
    WypelnijRaportPrzekrojow(nowy, sciana, Analiza(sciana), 20, -20, "Ściana");
    WypelnijRaport(dawny, sciana, ArkuszWynikow(sciana, 20, -20), "Ściana");
    EXPECT_EQ(nowy.Temperatury.Temp, dawny.Temperatury.Temp);
    EXPECT_EQ(nowy.Cisnienia.CisCzast, dawny.Cisnienia.CisCzast);
    EXPECT_EQ(nowy.Kondensacja, dawny.Kondensacja);
    EXPECT_EQ(nowy.Uk, dawny.Uk);
}

TEST(Przekroje, ElewacjaWentylowanaJednymPrzekrojem) {
    // Brick, wool, a well-ventilated air gap and cladding: the one section ends at the gap.
    TModelProjektu m = ModelTestowy(20, -20, {});
    DodajWarstwe(m, "Mur z cegły", 0.25, 0.77, 10);
    DodajWarstwe(m, "Wełna mineralna", 0.15, 0.035, 1);
    DodajWarstwe(m, "Szczelina powietrzna", 0.04, 0.2, 1);
    m.Warstwy[3].Powietrze = TPowietrze{TWentylacja::Dobra, 2000, {0.9, 0.9}, TKierunekStrumienia::Poziomy};
    UzgodnijWarstwePowietrza(m.Warstwy[3]);
    DodajWarstwe(m, "Płyta elewacyjna", 0.008, 0.3, 50);
    ObliczPrzegrode(m);
    const TAnalizaProjektu a = Analiza(m);
    ASSERT_TRUE(a.Niejednorodna);
    // One section: nothing to choose (the window hides its selector), but the sheet shows it.
    EXPECT_EQ(NazwyPrzekrojow(a).size(), 1u);
    const TArkuszWynikow arkusz = ArkuszWynikowPrzekroju(m, a, 0, 20, -20);
    EXPECT_EQ(arkusz.RichEditNr, (std::vector<std::string>{"", "1", "2"}));
    EXPECT_EQ(arkusz.LabelUk, ArkuszWynikow(m, 20, -20).LabelUk);
    const std::vector<TLiniaWyniku> linie = LinieWynikowNiejednorodnej(m, a);
    ASSERT_FALSE(linie.empty());
    EXPECT_TRUE(linie.front().Pogrubiony);
    EXPECT_TRUE(Zawiera(linie, "Warstwa 3: warstwa powietrza dobrze wentylowana"));
}

TEST(Przekroje, PodWerdyktemNazwanePrzekroje) {
    const TKlimat klimat = KlimatNizinny();
    const TModelProjektu dach = Dach();
    const TTekstyAnalizy t = TekstyAnalizy(Analiza(dach, &klimat), dach.LiczbaWarstw);
    ASSERT_FALSE(t.Wilgoc.PodWerdyktem.empty());
    EXPECT_EQ(
        t.Wilgoc.PodWerdyktem.front().Tekst,
        "Wg przekrojów: na powierzchni – „przez Krokiew 12 %”; wewnątrz – „przez Wełna mineralna 88 %”; "
        "w roku – „przez Wełna mineralna 88 %”");
    // The lines of the worst section follow it.
    EXPECT_TRUE(Zawiera(t.Wilgoc.PodWerdyktem, "Kondensacja wewnątrz przegrody: styk warstw 2 i 3", true));

    const TModelProjektu sciana = ModelTestowy(20, -20, {0.015, 0.25, 0.12});
    const TAnalizaProjektu j = Analiza(sciana);
    EXPECT_EQ(Pelne(TekstyAnalizy(j, 3).Wilgoc.PodWerdyktem), Pelne(LiniePodWerdyktem(j.Wilgoc, 3)));
}
