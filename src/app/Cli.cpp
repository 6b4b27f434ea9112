#include "app/Cli.h"

#include "app/JsonWiersza.h"
#include "app/TekstWiersza.h"
#include "core/AnalizaProjektu.h"
#include "core/Arkusz.h"
#include "core/Json.h"
#include "core/Obliczenia.h"
#include "core/ObliczenieProjektu.h"
#include "core/Sprawdzenia.h"
#include "files/PlikKlimatu.h"
#include "files/PlikTablicyNasycenia.h"
#include "files/RekordProjektu.h"
#include "files/WyborKlimatu.h"
#include "files/ZapisAtomowy.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <thread>

namespace murolab {

namespace {

// What a run reads once and every project shares.
struct TWspolne {
    const TOpcjeWiersza& Opcje;
    TTablicaNasycenia Tablica{};
    TKlimaty Klimaty; // read and filled under Zamek: the projects are computed in parallel
    std::mutex Zamek;
};

// A project that was computed: everything its text or JSON is made of.
struct TObliczony {
    TModelProjektu Model;
    TArkuszWynikow Arkusz;
    TAnalizaProjektu Analiza;
    std::optional<TWartoscJson> Rozszerzenie;
};

// One project file's outcome. Komunikaty go to stderr in order (warnings included); Blad is the
// message that ended it, as the JSON error line names it.
struct TWynikPliku {
    int Kod = kKodOk;
    std::vector<std::string> Komunikaty;
    std::string Blad;
    std::unique_ptr<TObliczony> Obliczony; // null when nothing was computed
};

TWynikPliku Porazka(TWynikPliku w, int kod, std::string blad) {
    w.Kod = kod;
    w.Komunikaty.push_back(blad);
    w.Blad = std::move(blad);
    w.Obliczony.reset();
    return w;
}

std::string ZaDuzyZakres(const std::string& co) {
    return "Obliczenia nie dały skończonego wyniku (" + co +
           "): dane projektu wykraczają poza zakres, w którym obliczenie ma sens.";
}

// One project file: read, checked, computed. Writes nothing itself.
TWynikPliku ObliczPlik(const std::string& plik, TWspolne& wspolne) {
    TWynikPliku w;
    auto zawartosc = WczytajPlikProjektu(plik);
    if (const std::string* blad = Niepowodzenie(zawartosc))
        return Porazka(std::move(w), kKodBladPliku, *blad);
    w.Obliczony = std::make_unique<TObliczony>();
    TObliczony& o = *w.Obliczony;
    TModelProjektu& model = o.Model;
    PrzeniesDoModelu(std::get<TZawartoscProjektu>(zawartosc), model);
    o.Rozszerzenie = std::move(std::get<TZawartoscProjektu>(zawartosc).Rozszerzenie);
    model.TablicaNasycenia = wspolne.Tablica;

    // The checks of the calculate command, applied to the numbers stored in the file, and the
    // calculation pass: as the summary of projects computes them.
    if (auto blad = SprawdzIOblicz(model, w.Komunikaty))
        return Porazka(std::move(w), kKodBladSprawdzenia, std::move(*blad));
    o.Arkusz = ArkuszWynikow(model, model.WarunkiPracy.TempWew, model.WarunkiPracy.TempZewn);

    const TOpcjeWiersza& opcje = wspolne.Opcje;
    const TWyborIso13788 wybor =
        WyborIso13788({opcje.Klimat, opcje.Wnetrze, opcje.WierszWT}, model, w.Komunikaty);
    TKlimatPrzebiegu klimat;
    {
        const std::lock_guard<std::mutex> zamek(wspolne.Zamek);
        klimat = KlimatPrzebiegu(model, wspolne.Opcje.Klimat, wspolne.Klimaty);
    }
    if (const std::string* blad = klimat.Blad())
        return Porazka(std::move(w), kKodBladPliku, *blad);
    // The same analysis as the window's calculate command.
    o.Analiza = AnalizujProjekt(model, {klimat.Dane(), klimat.Nazwa, wybor.Wnetrze, wybor.Wiersz});
    if (!o.Analiza.NieskonczoneLato.empty())
        return Porazka(std::move(w), kKodBladSprawdzenia, ZaDuzyZakres(o.Analiza.NieskonczoneLato));
    if (const auto wynik = NieskonczonyWynikWilgoci(o.Analiza.Wilgoc, o.Analiza.Lato))
        return Porazka(std::move(w), kKodBladSprawdzenia, ZaDuzyZakres(*wynik));
    return w;
}

// Messages of one file; with several files each line starts with the file's name.
std::string Komunikaty(const std::vector<std::string>& komunikaty, const std::string& plik,
                       bool wielePlikow) {
    std::string s;
    for (const std::string& k : komunikaty) {
        std::size_t od = 0;
        while (od <= k.size()) {
            const std::size_t nl = std::min(k.find('\n', od), k.size());
            if (wielePlikow)
                s += plik + ": ";
            s.append(k, od, nl - od);
            s += '\n';
            od = nl + 1;
        }
    }
    return s;
}

// One project's share of the run, made ready by whichever thread computed it and written in order.
struct TWypis {
    int Kod = kKodOk;
    std::string Bledy;                     // for stderr
    std::string Wyjscie;                   // for stdout
    std::unique_ptr<TObliczony> Obliczony; // kept for the report only
};

TWypis Przygotuj(const std::string& plik, TWspolne& wspolne, bool wiele, bool zachowaj) {
    const TOpcjeWiersza& opcje = wspolne.Opcje;
    TWynikPliku wynik = ObliczPlik(plik, wspolne);
    TWypis w;
    w.Kod = wynik.Kod;
    w.Bledy = Komunikaty(wynik.Komunikaty, plik, wiele);
    if (TObliczony* o = wynik.Obliczony.get()) {
        if (opcje.Json) {
            // The sheet's texts and the extension block move into the tree: a report, the only later
            // reader, needs none of them.
            TWartoscJson j = JsonArkusza(o->Model, std::move(o->Arkusz), std::move(o->Rozszerzenie));
            DopiszJsonWilgotnosci(j, plik, o->Analiza.Wilgoc, o->Analiza.Lato);
            // Only a partition with bridged or air layers has it: the others' output stays as it was.
            if (o->Analiza.Niejednorodna)
                j.Pola().emplace_back("Niejednorodna", JsonNiejednorodnej(*o->Analiza.Niejednorodna));
            DopiszJson(j, w.Wyjscie);
            w.Wyjscie += '\n';
        } else {
            DopiszTekstProjektu(w.Wyjscie, plik, o->Model, o->Arkusz, o->Analiza);
        }
    } else if (opcje.Json && wiele) {
        // With several files a failed one keeps its line, so that the lines still match the files.
        DopiszJson(JsonBledu(plik, wynik.Blad, wynik.Kod), w.Wyjscie);
        w.Wyjscie += '\n';
    }
    if (zachowaj)
        w.Obliczony = std::move(wynik.Obliczony);
    return w;
}

// The files are computed by worker threads, one file at a time in any order, and written by the
// calling thread in the files' order as soon as each is ready. At most kOkno results wait to be
// written, so memory does not grow with the files, and no core idles while the output is written.
constexpr std::size_t kOkno = 256;

class TPotokWynikow {
public:
    TPotokWynikow(TWspolne& wspolne, bool zachowaj) : wspolne_(wspolne), zachowaj_(zachowaj), sloty_(kOkno) {
        const std::size_t n = wspolne.Opcje.PlikiProjektow.size();
        const std::size_t watki =
            std::min<std::size_t>(n, std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
        for (std::size_t w = 0; w < watki; ++w)
            watki_.emplace_back([this] { Pracuj(); });
    }
    ~TPotokWynikow() {
        {
            const std::lock_guard<std::mutex> zamek(zamek_);
            koniec_ = true;
        }
        wolne_.notify_all();
        for (std::thread& t : watki_)
            t.join();
    }
    TPotokWynikow(const TPotokWynikow&) = delete;
    TPotokWynikow& operator=(const TPotokWynikow&) = delete;

    // The result of file `i`, taken in order (i = 0, 1, 2, …); a worker's exception is rethrown here.
    TWypis Wez(std::size_t i) {
        std::unique_lock<std::mutex> zamek(zamek_);
        if (!Gotowy(i) && !blad_) {
            // The writer sleeps until a whole batch is ready, not for every file: each wake-up
            // would take a core from the workers for a moment.
            czeka_ = i;
            prog_ = std::min(i + kPaczka, wspolne_.Opcje.PlikiProjektow.size()) - 1;
            gotowe_.wait(zamek, [&] { return blad_ || (Gotowy(i) && Gotowy(prog_)); });
            czeka_ = kNikt;
        }
        std::optional<TWypis>& slot = sloty_[i % kOkno];
        if (!slot)
            std::rethrow_exception(blad_);
        TWypis w = std::move(*slot);
        slot.reset();
        zapisane_ = i + 1;
        const bool obudz = czekajacych_ > 0;
        zamek.unlock();
        if (obudz)
            wolne_.notify_all();
        return w;
    }

private:
    static constexpr std::size_t kPaczka = 32;
    static constexpr std::size_t kNikt = static_cast<std::size_t>(-1);

    bool Gotowy(std::size_t i) const { return sloty_[i % kOkno].has_value(); }

    void Pracuj() {
        const auto& pliki = wspolne_.Opcje.PlikiProjektow;
        const bool wiele = pliki.size() > 1;
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock<std::mutex> zamek(zamek_);
                while (!koniec_ && !blad_ && nastepny_ >= zapisane_ + kOkno) {
                    ++czekajacych_;
                    wolne_.wait(zamek);
                    --czekajacych_;
                }
                if (koniec_ || blad_ || nastepny_ >= pliki.size())
                    return;
                i = nastepny_++;
            }
            bool obudz = true;
            try {
                TWypis w = Przygotuj(pliki[i], wspolne_, wiele, zachowaj_);
                const std::lock_guard<std::mutex> zamek(zamek_);
                sloty_[i % kOkno] = std::move(w);
                obudz = czeka_ != kNikt && Gotowy(czeka_) && Gotowy(prog_);
            } catch (...) {
                const std::lock_guard<std::mutex> zamek(zamek_);
                if (!blad_)
                    blad_ = std::current_exception();
            }
            if (obudz)
                gotowe_.notify_one();
        }
    }

    TWspolne& wspolne_;
    const bool zachowaj_;
    std::mutex zamek_;
    std::condition_variable gotowe_; // the batch the writer waits for is ready (or a worker failed)
    std::condition_variable wolne_;  // a slot was emptied (or the run ends)
    std::vector<std::optional<TWypis>> sloty_;
    std::size_t nastepny_ = 0;  // the next file a worker takes
    std::size_t zapisane_ = 0;  // files taken by the writer
    std::size_t czeka_ = kNikt; // the file the writer sleeps for, up to prog_
    std::size_t prog_ = 0;
    std::size_t czekajacych_ = 0; // workers waiting for a free slot
    bool koniec_ = false;
    std::exception_ptr blad_;
    std::vector<std::thread> watki_; // last: started when everything above exists
};

int Oblicz(const TOpcjeWiersza& opcje, const std::filesystem::path& katalogDanych, std::ostream& out,
           std::ostream& err, const TZapisRaportu& zapiszRaport) {
    // The report would replace the project it is made from.
    for (const std::string& projekt : opcje.PlikiProjektow) {
        if (!opcje.PlikRaportu.empty() &&
            (opcje.PlikRaportu == projekt || TenSamPlik(opcje.PlikRaportu, projekt))) {
            err << "Raport nie może zastąpić obliczanego pliku projektu „" << projekt
                << "”: podaj inną nazwę pliku raportu.\n";
            return kKodBladPliku;
        }
    }
    if (!opcje.PlikRaportu.empty() && !zapiszRaport) {
        err << "Raportu nie można zapisać w tym trybie programu.\n";
        return kKodBladPliku;
    }
    TWspolne wspolne{opcje, {}, TKlimaty(katalogDanych, KatalogKlimatuUzytkownika()), {}};
    // Without a sound saturation table every pressure and the verdict would be wrong while looking
    // right: a missing, short or damaged table ends the run. Read once, for every project.
    if (const auto blad = WczytajTabliceNasycenia((katalogDanych / "ula.dat").string(), wspolne.Tablica)) {
        err << *blad << "\n";
        return kKodBladPliku;
    }

    const auto& pliki = opcje.PlikiProjektow;
    const bool raport = !opcje.PlikRaportu.empty();
    const auto bladWypisu = [&] {
        err << "Nie można wypisać wyników (błąd zapisu na standardowe wyjście).\n";
        return kKodBladPliku;
    };
    int najgorszy = kKodOk;
    TPotokWynikow potok(wspolne, raport);
    for (std::size_t i = 0; i < pliki.size(); ++i) {
        TWypis w = potok.Wez(i);
        if (!w.Bledy.empty())
            err << w.Bledy << std::flush;
        if (!opcje.Json && pliki.size() > 1 && i + 1 < pliki.size())
            w.Wyjscie += '\n';
        out.write(w.Wyjscie.data(), static_cast<std::streamsize>(w.Wyjscie.size()));
        // Results that never reached their reader (a full disk, a closed pipe) are no success.
        if (!out)
            return bladWypisu();
        najgorszy = std::max(najgorszy, w.Kod);
        if (w.Obliczony && raport) {
            if (!out.flush())
                return bladWypisu();
            const TModelProjektu& m = w.Obliczony->Model;
            najgorszy = std::max(najgorszy, zapiszRaport(m, m.WarunkiPracy.TempWew, m.WarunkiPracy.TempZewn,
                                                         w.Obliczony->Analiza, opcje.PlikRaportu));
        }
    }
    if (!out.flush())
        return bladWypisu();
    return najgorszy;
}

} // namespace

TBlad NieskonczonyWynikWilgoci(const TAnalizaIso13788& a, const std::optional<TLato>& lato) {
    const auto zle = [](double x) { return !std::isfinite(x); };
    if (lato) {
        const std::pair<const char*, double> pola[] = {
            {"U", lato->U},
            {"Y12", lato->Y12},
            {"Tlumienie", lato->Tlumienie},
            {"Opoznienie", lato->Opoznienie},
            {"Kappa1", lato->Kappa1},
            {"Kappa2", lato->Kappa2},
            {"Y11", lato->Y11},
        };
        for (const auto& [nazwa, v] : pola)
            if (zle(v))
                return std::string("parametry letnie: ") + nazwa;
    }
    const TStanDyfuzji& s = a.Projektowe;
    for (const auto* v : {&s.Temp, &s.SdNarast, &s.CisNasy, &s.CisCzast})
        if (std::any_of(v->begin(), v->end(), zle))
            return std::string("kondensacja w warunkach obliczeniowych");
    for (const TPlaszczyzna& p : s.Plaszczyzny)
        if (zle(p.Temp) || zle(p.Strumien))
            return std::string("kondensacja w warunkach obliczeniowych");
    if (s.Strumien && zle(*s.Strumien))
        return std::string("kondensacja w warunkach obliczeniowych");
    if (a.Rok) {
        if (zle(a.Rok->MaMax) || zle(a.Rok->MaKoniec))
            return std::string("bilans roczny");
        for (const TMiesiacRoku& m : a.Rok->Miesiace) {
            if (zle(m.TempZewn) || zle(m.WilgotZewn) || zle(m.CisZewn) || zle(m.TempWewn) || zle(m.CisWewn) ||
                (m.FRsiMin && zle(*m.FRsiMin)))
                return std::string("bilans roczny");
            for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny)
                if (zle(p.Strumien) || zle(p.Ilosc) || zle(p.Ma))
                    return std::string("bilans roczny");
        }
    }
    if (zle(a.FRsi.Przegrody) || (a.FRsi.FRsiMax && zle(*a.FRsi.FRsiMax)))
        return std::string("fRsi");
    if (zle(a.WT.Uk))
        return std::string("WT 2021: Uk");
    return std::nullopt;
}

int UruchomWywolanie(const TWywolanie& wywolanie, const std::filesystem::path& katalogDanych,
                     std::ostream& out, std::ostream& err, const TZapisRaportu& zapiszRaport) {
    // Nothing escapes as the runtime's own English "terminate called after ...": a failure that no
    // step reports by itself still ends with a Polish message and the file-error status.
    try {
        switch (wywolanie.Rodzaj) {
        case TRodzajWywolania::Pomoc:
            out << SposobUzycia();
            return out.flush() ? kKodOk : kKodBladPliku;
        case TRodzajWywolania::Wersja:
            out << TekstWersji();
            return out.flush() ? kKodOk : kKodBladPliku;
        case TRodzajWywolania::Blad:
            err << wywolanie.Blad << "\n" << SposobUzycia();
            return kKodBladPliku;
        case TRodzajWywolania::Okno:
            err << "Brak opcji --oblicz PLIK.pro.\n" << SposobUzycia();
            return kKodBladPliku;
        case TRodzajWywolania::WierszPolecen:
            return Oblicz(wywolanie.Opcje, katalogDanych, out, err, zapiszRaport);
        }
    } catch (const std::bad_alloc&) {
        err << "Brak pamięci: obliczenia przerwano.\n";
    } catch (const std::exception& e) {
        err << "Nieoczekiwany błąd, obliczenia przerwano: " << e.what() << "\n";
    }
    return kKodBladPliku;
}

int UruchomWierszPolecen(const std::vector<std::string>& argumenty,
                         const std::filesystem::path& katalogDanych, std::ostream& out, std::ostream& err,
                         const TZapisRaportu& zapiszRaport) {
    return UruchomWywolanie(RozpoznajWywolanie(argumenty), katalogDanych, out, err, zapiszRaport);
}

} // namespace murolab
