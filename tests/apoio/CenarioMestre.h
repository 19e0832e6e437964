#pragma once

#include "PortasGravadas.h"

#include "checagens/ValidaRegistroMestre.h"
#include "dados/Texto1252.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"
#include "relato/ContextoValidacao.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tessarin::teste {

using Trocas = std::vector<std::pair<int, std::string>>;

// A run context for one volume (reference, UF, model) with the recording ports, a log file, and a builder
// of Mestre records that pass every check unless a test overrides fields. Codes are computed after the
// overrides unless a test sets them itself.
class CenarioMestre
{
public:
    PortasGravadas Portas;
    ContextoValidacao Ctx;
    std::string Modelo;

    explicit CenarioMestre(std::string referencia, std::string uf = "RJ", std::string modelo = "21")
        : Modelo(std::move(modelo))
    {
        Ctx.Janela = &Portas;
        Ctx.Tempo = &Portas;
        ComponentesVolume& v = Ctx.Volume;
        v.UFVolume = std::move(uf);
        v.SerieVolume = "001";
        v.Referencia = referencia;
        v.AnoReferencia = referencia.substr(0, 2);
        v.MesReferencia = referencia.substr(2, 2);
        v.AnoCompleto = "20" + v.AnoReferencia;
        v.CnpjNome = v.CnpjContribuinte = "33000167000101";
        Ctx.Geracao = GeracaoDaReferencia(referencia);
        Ctx.TamanhoMestre = LayoutMestre(Ctx.Geracao).Tamanho;
        Ctx.Catalogo.ReescreveParaGeracao(Ctx.Geracao);
        Ctx.ModeloVolume = Modelo;
        Ctx.DataPrimeiraNF = DataNaReferencia();
        Ctx.ValorPrimeiraNF = 1;
        caminhoLog_ = (std::filesystem::temp_directory_path() /
                       ("mestre_" + std::to_string(::getpid()) + "_" + std::to_string(++contador_) + ".txt"))
                          .string();
        Ctx.Log.Cria(caminhoLog_);
        Ctx.GravarLog = true;
    }
    ~CenarioMestre()
    {
        Ctx.Log.Fecha();
        std::filesystem::remove(caminhoLog_);
    }

    std::string DataNaReferencia() const
    {
        return "20" + Ctx.Volume.Referencia.substr(0, 2) + Ctx.Volume.Referencia.substr(2, 2) + "15";
    }

    // A record of the volume's generation with valid defaults and the given fields replaced (padded with
    // blanks or cut to the field's width).
    std::string Registro(const Trocas& trocas = {}) const
    {
        const LayoutRegistro layout = LayoutMestre(Ctx.Geracao);
        std::string r(static_cast<std::size_t>(layout.Tamanho), ' ');
        auto poe = [&](int numero, std::string_view valor) {
            const CampoLayout* c = layout.Campo(numero);
            std::string v(valor);
            v.resize(static_cast<std::size_t>(c->Tamanho), ' ');
            r.replace(static_cast<std::size_t>(c->Inicio - 1), v.size(), v);
        };
        const bool v03 = Ctx.Geracao == GeracaoLayout::V03;
        const bool energia = Modelo == "06";
        const bool de1701 = Ctx.Volume.Referencia >= "1701";
        poe(1, "11222333000181");
        poe(2, "ISENTO");
        poe(3, "EMPRESA TESTE LTDA");
        poe(4, "RJ");
        poe(5, energia ? "1" : (de1701 ? "0" : "1"));
        poe(6, "1");
        poe(7, energia ? "01" : "00");
        poe(8, "CLIENTE0001");
        poe(9, DataNaReferencia());
        poe(10, Modelo);
        poe(11, "001");
        poe(12, "000000001");
        poe(14, "000000010000");
        poe(15, "000000010000");
        poe(16, "000000001800");
        poe(17, "000000000000");
        poe(18, "000000000000");
        poe(19, "N");
        poe(20, Ctx.Volume.Referencia);
        poe(21, "000000001");
        poe(22, energia ? "123456" : "2133334444");
        if (v03) {
            poe(23, "1");
            poe(24, energia ? "21" : "01");
            poe(25, energia ? "07" : "00");
            poe(27, Ctx.Volume.CnpjNome);
            poe(29, "000000010000");
            poe(30, energia ? "20170105" : "00000000");
            poe(31, energia ? "20170110" : "00000000");
            poe(33, "00000000");
        }
        bool codigoDocumento = true, codigoRegistro = true;
        const int numeroCodigo = v03 ? 36 : 24;
        for (const auto& [numero, valor] : trocas) {
            poe(numero, ParaWin1252(valor));
            codigoDocumento = codigoDocumento && numero != 13;
            codigoRegistro = codigoRegistro && numero != numeroCodigo;
        }
        r.replace(r.size() - 2, 2, "\r\n");
        if (codigoDocumento) {
            std::string texto = r.substr(0, 14) + r.substr(94, 9) + r.substr(135, 36);
            if (v03) {
                texto += r.substr(81, 8) + r.substr(238, 14);
            }
            poe(13, Md5Hex(Md5Texto(texto)));
        }
        if (codigoRegistro) {
            poe(numeroCodigo, Md5Hex(Md5Texto(std::string_view(r).substr(0, r.size() - 34))));
        }
        return r;
    }

    // Validates a record as the loop does: the record stays alive in the scenario while its view is used.
    void Valida(const Trocas& trocas = {}) { ValidaTexto(Registro(trocas)); }
    void ValidaTexto(std::string registro)
    {
        registros_.push_back(std::move(registro));
        ValidaRegistroMestre(Ctx, registros_.back());
    }

    std::vector<std::string> Lista() const { return Portas.ListaUtf8(); }
    // The log lines so far, as UTF-8, without their CR LF.
    std::vector<std::string> Log() const
    {
        std::ifstream f(caminhoLog_, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        const std::string texto = ss.str();
        std::vector<std::string> linhas;
        std::size_t inicio = 0;
        for (std::size_t fim; (fim = texto.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2) {
            linhas.push_back(ParaUtf8(texto.substr(inicio, fim - inicio)));
        }
        return linhas;
    }

private:
    std::string caminhoLog_;
    std::deque<std::string> registros_;
    static inline int contador_ = 0;
};

// One table row of the Mestre checks: a record of the reference, UF and model with some fields changed,
// validated on the clock's day, and the log lines it must give.
struct CasoMestre
{
    const char* Nome;
    std::string Referencia, Uf, Modelo;
    Trocas Campos;
    std::vector<std::string> Log;
    Instante Hoje{2017, 3, 15, 10, 0, 0};
};

inline void ConfereCasos(const std::vector<CasoMestre>& casos)
{
    for (const CasoMestre& c : casos) {
        SCOPED_TRACE(c.Nome);
        CenarioMestre cenario(c.Referencia, c.Uf, c.Modelo);
        cenario.Portas.Hoje = c.Hoje;
        cenario.Valida(c.Campos);
        EXPECT_EQ(cenario.Log(), c.Log);
    }
}

} // namespace tessarin::teste
