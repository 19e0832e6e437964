#pragma once

#include "PortasGravadas.h"
#include "checagens/ValidaRegistroItem.h"
#include "dados/GeracaoLayout.h"
#include "dados/Texto1252.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"
#include "relato/ContextoValidacao.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tessarin::teste {

// A signed amount as the volume files write it: zero-filled, "-" in front of the digits when negative.
inline std::string Valor(std::int64_t v, int largura = 11)
{
    std::string digitos = std::to_string(v < 0 ? -v : v);
    const int resto = largura - static_cast<int>(digitos.size()) - (v < 0 ? 1 : 0);
    return (v < 0 ? "-" : "") + std::string(static_cast<std::size_t>(resto > 0 ? resto : 0), '0') + digitos;
}

// One document of a volume, ready for its items to be checked: the run's context with a recording fake of
// the ports, a log file, and a Mestre record that the default item agrees with in every field. Items are
// built from valid defaults with fields overridden by number; their authentication code is computed.
class CenarioItem
{
public:
    using Campos = std::map<int, std::string>;

    explicit CenarioItem(std::string referencia = "1703", std::string uf = "MG", std::string modelo = "21",
                         bool volumeDeSaida = true)
        : referencia_(std::move(referencia)), modelo_(std::move(modelo)), geracao_(GeracaoDaReferencia(referencia_))
    {
        ctx.Janela = &portas;
        ctx.Tempo = &portas;
        ctx.Geracao = geracao_;
        ctx.Catalogo.ReescreveParaGeracao(geracao_);
        ctx.Volume.UFVolume = uf;
        ctx.Volume.Referencia = referencia_;
        ctx.Volume.AnoReferencia = referencia_.substr(0, 2);
        ctx.Volume.MesReferencia = referencia_.substr(2, 2);
        ctx.Volume.AnoCompleto = "20" + referencia_.substr(0, 2);
        ctx.Volume.VolumeDeSaida = volumeDeSaida;
        ctx.Volume.NumeroVolume = volumeDeSaida ? "001" : "E01";
        ctx.DocumentoAtual = "000000123";
        static int sequencia = 0;
        log_ = (std::filesystem::temp_directory_path() /
                ("tessarin_item_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_" +
                 std::to_string(++sequencia) + ".txt"))
                   .string();
        ctx.GravarLog = true;
        ctx.Log.Cria(log_);
        Mestre({});
        ctx.Item.ReiniciaDocumento();
    }
    ~CenarioItem()
    {
        ctx.Log.Fecha();
        std::filesystem::remove(log_);
    }

    std::string Data() const { return "20" + referencia_ + "10"; }

    // The Mestre record, its defaults overridden by field number.
    void Mestre(const Campos& sobrepostos)
    {
        Campos c = {{1, "12345678000195"},
                    {4, ctx.Volume.UFVolume},
                    {5, "1"},
                    {6, "1"},
                    {7, "00"},
                    {9, Data()},
                    {10, modelo_},
                    {11, "A  "},
                    {12, "000000123"},
                    {16, Valor(180, 12)},
                    {19, "N"},
                    {20, referencia_}};
        for (const auto& [n, t] : sobrepostos) {
            c[n] = t;
        }
        mestre_ = Monta(LayoutMestre(geracao_), c, false);
        ctx.RegistroMestre = mestre_;
    }

    // An Item record agreeing with the Mestre: model 21/22 type of use 1 with classification "0101",
    // Total = BC = 10.00, ICMS 1.80 at 18%.
    std::string Item(const Campos& sobrepostos, bool autentica = true) const
    {
        const bool v03 = geracao_ == GeracaoLayout::V03;
        const int q = v03 ? 12 : 11;
        Campos c = {{1, "12345678000195"},
                    {2, ctx.Volume.UFVolume},
                    {3, "1"},
                    {4, "1"},
                    {5, "00"},
                    {6, Data()},
                    {7, modelo_},
                    {8, "A  "},
                    {9, "000000123"},
                    {10, "5301"},
                    {11, "001"},
                    {12, "COD1"},
                    {13, "SERVICO"},
                    {14, "0101"},
                    {15, "UN"},
                    {16, Valor(1, q)},
                    {17, Valor(1, q)},
                    {18, Valor(1000)},
                    {19, Valor(0)},
                    {20, Valor(0)},
                    {21, Valor(1000)},
                    {22, Valor(180)},
                    {23, Valor(0)},
                    {24, Valor(0)},
                    {25, "1800"},
                    {26, "N"},
                    {27, referencia_}};
        if (v03) {
            c.insert({{29, Valor(1, 12)},
                      {30, Valor(0)},
                      {31, "000000"},
                      {32, Valor(0)},
                      {33, "000000"},
                      {34, Valor(0)},
                      {35, " "},
                      {36, "00"}});
        }
        for (const auto& [n, t] : sobrepostos) {
            c[n] = t;
        }
        return Monta(LayoutItem(geracao_), c, autentica);
    }

    // Checks one item as the walk does (the next record index), and gives the log lines it wrote.
    std::vector<std::string> Valida(const std::string& registro)
    {
        ValidaRegistroItem(ctx, registro);
        ++ctx.CursorItem;
        return NovasLinhasLog();
    }

    std::vector<std::string> NovasLinhasLog()
    {
        std::ifstream in(log_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        std::vector<std::string> linhas;
        std::string texto = s.str(), linha;
        std::size_t inicio = 0;
        for (std::size_t fim; (fim = texto.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2) {
            linhas.push_back(ParaUtf8(texto.substr(inicio, fim - inicio)));
        }
        std::vector<std::string> novas(linhas.begin() + static_cast<std::ptrdiff_t>(lidas_), linhas.end());
        lidas_ = linhas.size();
        return novas;
    }

    PortasGravadas portas;
    ContextoValidacao ctx;

private:
    static std::string Monta(const LayoutRegistro& layout, const Campos& campos, bool autentica)
    {
        std::string r(static_cast<std::size_t>(layout.Tamanho), ' ');
        for (const auto& [n, t] : campos) {
            const CampoLayout* c = layout.Campo(n);
            EXPECT_NE(c, nullptr) << n;
            EXPECT_LE(t.size(), static_cast<std::size_t>(c->Tamanho)) << "campo " << n << " [" << t << "]";
            r.replace(static_cast<std::size_t>(c->Inicio - 1), t.size(), t);
        }
        const auto l = r.size();
        r[l - 2] = '\r';
        r[l - 1] = '\n';
        if (autentica) {
            r.replace(l - 34, 32, Md5Hex(Md5Texto(std::string_view(r).substr(0, l - 34))));
        }
        return r;
    }

    std::string referencia_, modelo_;
    GeracaoLayout geracao_;
    std::string mestre_, log_;
    std::size_t lidas_ = 0;
};

} // namespace tessarin::teste
