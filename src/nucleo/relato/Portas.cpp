#include "relato/Portas.h"

#include <cstdio>
#include <ctime>

namespace tessarin {

Instante RelogioSistema::Agora()
{
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string DataAAAAMMDD(const Instante& i)
{
    char texto[16];
    std::snprintf(texto, sizeof texto, "%04d%02d%02d", i.Ano % 10000, i.Mes % 100, i.Dia % 100);
    return texto;
}

std::string DataDDMMAAAA(const Instante& i)
{
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", i.Dia % 100, i.Mes % 100, i.Ano % 10000);
    return texto;
}

std::string HoraDoDia(const Instante& i)
{
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d:%02d:%02d", i.Hora % 100, i.Minuto % 100, i.Segundo % 100);
    return texto;
}

std::string DataHora(const Instante& i)
{
    return DataDDMMAAAA(i) + " " + HoraDoDia(i);
}

std::string Duracao(const Instante& inicio, const Instante& fim)
{
    constexpr int Dia = 24 * 3600;
    const int a = inicio.Hora * 3600 + inicio.Minuto * 60 + inicio.Segundo;
    const int b = fim.Hora * 3600 + fim.Minuto * 60 + fim.Segundo;
    const int d = ((b - a) % Dia + Dia) % Dia;
    return HoraDoDia(Instante{0, 0, 0, d / 3600, d / 60 % 60, d % 60});
}

} // namespace tessarin
