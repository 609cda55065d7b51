<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QFileDialog</name>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>karnoth::Chart</name>
    <message>
        <source>female pop. &gt;= 1 year (fecund in green)</source>
        <translation>fêmeas &gt;= 1 ano (férteis em verde)</translation>
    </message>
    <message>
        <source>sterilisations per year</source>
        <translation>castrações/ano</translation>
    </message>
</context>
<context>
    <name>karnoth::InputCatalogue</name>
    <message>
        <source>adult survival</source>
        <translation>sobrevivência adulta</translation>
    </message>
    <message>
        <source>The share of dogs aged one and over that live through a year.</source>
        <translation>A proporção de cães de um ano ou mais que sobrevivem a um ano.</translation>
    </message>
    <message>
        <source>a share per year (0.9 is 90 %)</source>
        <translation>uma proporção por ano (0.9 é 90 %)</translation>
    </message>
    <message>
        <source>juvenile survival</source>
        <translation>sobrevivência juvenil</translation>
    </message>
    <message>
        <source>The share of street pups that live through their first year.</source>
        <translation>A proporção de filhotes de rua que sobrevivem ao primeiro ano.</translation>
    </message>
    <message>
        <source>a share per year</source>
        <translation>uma proporção por ano</translation>
    </message>
    <message>
        <source>; below the threshold shown beside it (1 / pups per yearling), or there is no steady state</source>
        <translation>; abaixo do limiar mostrado ao lado (1 / filhotes por fêmea de um ano), ou não há estado estacionário</translation>
    </message>
    <message>
        <source>age at first litter</source>
        <translation>idade na primeira ninhada</translation>
    </message>
    <message>
        <source>The age at which a female has her first litter.</source>
        <translation>A idade em que uma fêmea tem sua primeira ninhada.</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anos</translation>
    </message>
    <message>
        <source>; a value below 1 becomes 1</source>
        <translation>; um valor abaixo de 1 passa a ser 1</translation>
    </message>
    <message>
        <source>age at last litter</source>
        <translation>idade na última ninhada</translation>
    </message>
    <message>
        <source>The age at which a female has her last litter.</source>
        <translation>A idade em que uma fêmea tem sua última ninhada.</translation>
    </message>
    <message>
        <source>, not below the age at first litter, at most 10 once rounded</source>
        <translation>, não abaixo da idade na primeira ninhada, no máximo 10 depois de arredondada</translation>
    </message>
    <message>
        <source>female pups per litter</source>
        <translation>filhotes fêmeas por ninhada</translation>
    </message>
    <message>
        <source>The female pups in one litter (the model counts females only).</source>
        <translation>Os filhotes fêmeas de uma ninhada (o modelo conta apenas fêmeas).</translation>
    </message>
    <message>
        <source>female pups</source>
        <translation>filhotes fêmeas</translation>
    </message>
    <message>
        <source>prob. pregnant</source>
        <translation>prob. prenhez</translation>
    </message>
    <message>
        <source>The probability that a female of breeding age is pregnant in a year.</source>
        <translation>A probabilidade de uma fêmea em idade reprodutiva ficar prenhe em um ano.</translation>
    </message>
    <message>
        <source>a probability per year</source>
        <translation>uma probabilidade por ano</translation>
    </message>
    <message>
        <source>% owned dogs sterilised</source>
        <translation>% de cães com tutor castrados</translation>
    </message>
    <message>
        <source>The per cent of owned yearlings that their owners have sterilised already.</source>
        <translation>A porcentagem de fêmeas de um ano com tutor que os tutores já castraram.</translation>
    </message>
    <message>
        <source>per cent</source>
        <translation>por cento</translation>
    </message>
    <message>
        <source>; from 70 on owned dogs cannot replace themselves</source>
        <translation>; a partir de 70 os cães com tutor não conseguem se repor</translation>
    </message>
    <message>
        <source>abandoned per year</source>
        <translation>abandonadas por ano</translation>
    </message>
    <message>
        <source>The owned one-year-old females abandoned to the street each year at equilibrium; owners keep the rest of their yearlings.</source>
        <translation>As fêmeas de um ano com tutor abandonadas na rua a cada ano em equilíbrio; os tutores ficam com o restante de suas fêmeas de um ano.</translation>
    </message>
    <message>
        <source>females per year</source>
        <translation>fêmeas por ano</translation>
    </message>
    <message>
        <source>sterilising starts in</source>
        <translation>a castração começa em</translation>
    </message>
    <message>
        <source>The first year of the sterilisation programme.</source>
        <translation>O primeiro ano do programa de castração.</translation>
    </message>
    <message>
        <source>a calendar year</source>
        <translation>um ano do calendário</translation>
    </message>
    <message>
        <source>; the model runs from 1950 to 2050</source>
        <translation>; o modelo vai de 1950 a 2050</translation>
    </message>
    <message>
        <source>times in first year</source>
        <translation>vezes no primeiro ano</translation>
    </message>
    <message>
        <source>The programme&apos;s effort in its first year, as a multiple of its yearly rate.</source>
        <translation>O esforço do programa no primeiro ano, como múltiplo da taxa anual.</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>sterilisation rate</source>
        <translation>taxa de castração</translation>
    </message>
    <message>
        <source>The share of fertile females the programme sterilises each year, split between owned yearlings and street dogs by the owned share.</source>
        <translation>A proporção de fêmeas férteis que o programa castra a cada ano, dividida entre fêmeas de um ano com tutor e cães de rua conforme a parcela com tutor.</translation>
    </message>
    <message>
        <source>per cent per year, in steps of 0.1 %</source>
        <translation>por cento por ano, em passos de 0.1 %</translation>
    </message>
    <message>
        <source>share aimed at owned dogs</source>
        <translation>parcela destinada a cães com tutor</translation>
    </message>
    <message>
        <source>The per cent of the programme aimed at owned dogs (top of the bar); the rest goes to street dogs (bottom).</source>
        <translation>A porcentagem do programa destinada a cães com tutor (topo da barra); o restante vai para cães de rua (base).</translation>
    </message>
    <message>
        <source>only 1-year olds</source>
        <translation>só fêmeas de 1 ano</translation>
    </message>
    <message>
        <source>Ticked, the street programme treats only one-year-olds; otherwise every street age from 1 to 10. Owned dogs are treated as yearlings either way.</source>
        <translation>Marcada, o programa na rua atende só fêmeas de um ano; caso contrário, todas as idades de rua de 1 a 10. Os cães com tutor são atendidos como fêmeas de um ano nos dois casos.</translation>
    </message>
    <message>
        <source>ticked or not</source>
        <translation>marcada ou não</translation>
    </message>
    <message>
        <source>dogs killed from</source>
        <translation>cães eliminados de</translation>
    </message>
    <message>
        <source>The first year of culling. In each culling year the street dogs that killed.txt records for the year before are removed from the fertile street dogs aged 1 to 10.</source>
        <translation>O primeiro ano de eliminação. Em cada ano de eliminação, os cães de rua que killed.txt registra para o ano anterior são retirados dos cães de rua férteis de 1 a 10 anos.</translation>
    </message>
    <message>
        <source>; after 1950, since 1950 has no year before it</source>
        <translation>; depois de 1950, pois 1950 não tem ano anterior</translation>
    </message>
    <message>
        <source>dogs killed to</source>
        <translation>cães eliminados até</translation>
    </message>
    <message>
        <source>The last year of culling (inclusive).</source>
        <translation>O último ano de eliminação (inclusive).</translation>
    </message>
    <message>
        <source>intact females arriving per year</source>
        <translation>fêmeas inteiras que chegam por ano</translation>
    </message>
    <message>
        <source>Fertile yearling females that join the street from outside each year, before, during and after the programme. They arrive after the year&apos;s sterilising and breed in their first year.</source>
        <translation>Fêmeas férteis de um ano que chegam à rua vindas de fora a cada ano, antes, durante e depois do programa. Chegam depois das castrações do ano e procriam no primeiro ano.</translation>
    </message>
    <message>
        <source>; empty is 0</source>
        <translation>; vazio é 0</translation>
    </message>
    <message>
        <source>street carrying capacity</source>
        <translation>capacidade de suporte da rua</translation>
    </message>
    <message>
        <source>The street females aged one and over that the town&apos;s food and shelter can hold. Street pups survive their first year less often as the street fills (sterilised dogs take space too), so a street that would grow settles near it.</source>
        <translation>As fêmeas de rua de um ano ou mais que o alimento e o abrigo do município conseguem sustentar. Os filhotes de rua sobrevivem menos ao primeiro ano à medida que a rua se enche (cães castrados também ocupam espaço), de modo que uma população que cresceria se estabiliza perto dela.</translation>
    </message>
    <message>
        <source>females</source>
        <translation>fêmeas</translation>
    </message>
    <message>
        <source>; empty: pups&apos; survival does not depend on crowding</source>
        <translation>; vazio: a sobrevivência dos filhotes não depende da lotação</translation>
    </message>
    <message>
        <source>compensation</source>
        <translation>compensação</translation>
    </message>
    <message>
        <source>How sharply street pups&apos; survival falls near the carrying capacity: 1 falls smoothly as the street fills; 5 to 10 keeps it near its best below the capacity and drops it steeply above, so a small programme is absorbed.</source>
        <translation>Quão bruscamente cai a sobrevivência dos filhotes de rua perto da capacidade de suporte: com 1 cai suavemente à medida que a rua se enche; de 5 a 10 a mantém perto do máximo abaixo da capacidade e a derruba acima dela, de modo que um programa pequeno é absorvido.</translation>
    </message>
    <message>
        <source>an exponent</source>
        <translation>um expoente</translation>
    </message>
    <message>
        <source>; read only when a capacity is set</source>
        <translation>; só é lido quando há uma capacidade</translation>
    </message>
    <message>
        <source>sterilising stops after</source>
        <translation>a castração termina após</translation>
    </message>
    <message>
        <source>The programme&apos;s last year; after it the population is left to rebound.</source>
        <translation>O último ano do programa; depois dele, a população fica livre para se recuperar.</translation>
    </message>
    <message>
        <source>, not before the start year; empty: the programme never stops</source>
        <translation>, não antes do ano de início; vazio: o programa nunca termina</translation>
    </message>
    <message>
        <source>sterilisations per year</source>
        <translation>castrações por ano</translation>
    </message>
    <message>
        <source>The female sterilisations the programme does each year, in place of the rate bar; the owned share splits them. Operations the owned dogs cannot use are not moved to the street, and no year operates on more fertile dogs than there are.</source>
        <translation>As castrações de fêmeas que o programa faz a cada ano, no lugar da barra de taxa; a parcela com tutor as divide. As cirurgias que os cães com tutor não podem usar não passam para a rua, e nenhum ano opera mais cães férteis do que existem.</translation>
    </message>
    <message>
        <source>operations per year</source>
        <translation>cirurgias por ano</translation>
    </message>
    <message>
        <source>; empty: the rate bar sets the programme</source>
        <translation>; vazio: a barra de taxa define o programa</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>escala logarítmica</translation>
    </message>
    <message>
        <source>Ticked, the next run charts ln(dogs + 1), so its axis labels are logarithms; point at the chart to read the counts.</source>
        <translation>Marcada, a próxima execução desenha ln(cães + 1), então os rótulos do eixo são logaritmos; aponte para o gráfico para ler as contagens.</translation>
    </message>
</context>
<context>
    <name>karnoth::Layout</name>
    <message>
        <source>a real town</source>
        <translation>caso real</translation>
    </message>
    <message>
        <source>intact females arriving a year</source>
        <translation>fêmeas inteiras chegando/ano</translation>
    </message>
    <message>
        <source>street carrying capacity</source>
        <translation>capacidade de suporte da rua</translation>
    </message>
    <message>
        <source>compensation</source>
        <translation>compensação</translation>
    </message>
    <message>
        <source>sterilising stops after</source>
        <translation>a castração termina após</translation>
    </message>
    <message>
        <source>sterilisations a year</source>
        <translation>castrações por ano</translation>
    </message>
    <message>
        <source>owned dogs</source>
        <translation>cães com tutor</translation>
    </message>
    <message>
        <source>% owned dogs sterilised</source>
        <translation>% com tutor castrados</translation>
    </message>
    <message>
        <source>street dogs</source>
        <translation>cães de rua</translation>
    </message>
    <message>
        <source>adult survival</source>
        <translation>sobrevivência adulta</translation>
    </message>
    <message>
        <source>juvenile survival</source>
        <translation>sobrevivência juvenil</translation>
    </message>
    <message>
        <source>age at first litter</source>
        <translation>idade 1.ª ninhada</translation>
    </message>
    <message>
        <source>age at last litter</source>
        <translation>idade últ. ninhada</translation>
    </message>
    <message>
        <source>female pups per litter</source>
        <translation>fêmeas por ninhada</translation>
    </message>
    <message>
        <source>prob. pregnant</source>
        <translation>prob. de prenhez</translation>
    </message>
    <message>
        <source>these parameters give</source>
        <translation>estes parâmetros dão</translation>
    </message>
    <message>
        <source>survey</source>
        <translation>censo</translation>
    </message>
    <message>
        <source>control</source>
        <translation>controle</translation>
    </message>
    <message>
        <source>dogs killed from</source>
        <translation>abatidos de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>sterilising starts in</source>
        <translation>castração a partir de</translation>
    </message>
    <message>
        <source>only 1-year olds</source>
        <translation>só de 1 ano</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>in first year</source>
        <translation>1.º ano</translation>
    </message>
    <message>
        <source>owned      target      street</source>
        <translation>tutor      alvo      rua</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>escala log</translation>
    </message>
</context>
<context>
    <name>karnoth::Phrase</name>
    <message>
        <source>in %1: %2 sterilisations (%3 owned, %4 street) of %5 a year</source>
        <translation>em %1: %2 castrações (%3 com tutor, %4 de rua) de %5 por ano</translation>
    </message>
    <message>
        <source>street coverage %1 % in %2</source>
        <translation>cobertura na rua %1 % em %2</translation>
    </message>
    <message>
        <source>street coverage %1 % in %2, %3 % in %4</source>
        <translation>cobertura na rua %1 % em %2, %3 % em %4</translation>
    </message>
    <message>
        <source>not back to %1 % of %2&apos;s street dogs by %3</source>
        <translation>não volta a %1 % dos cães de rua de %2 até %3</translation>
    </message>
    <message>
        <source>back to %1 % of %2&apos;s street dogs in %3, %4 year after the programme stops</source>
        <translation>volta a %1 % dos cães de rua de %2 em %3, %4 ano depois que o programa termina</translation>
    </message>
    <message>
        <source>back to %1 % of %2&apos;s street dogs in %3, %4 years after the programme stops</source>
        <translation>volta a %1 % dos cães de rua de %2 em %3, %4 anos depois que o programa termina</translation>
    </message>
    <message>
        <source>the last run stopped: %1; the chart shows the run before it</source>
        <translation>a última execução parou: %1; o gráfico mostra a execução anterior</translation>
    </message>
    <message>
        <source>adult survival must differ from 1: the breeding years divide by 1 - adult survival</source>
        <translation>a sobrevivência adulta deve ser diferente de 1: os anos reprodutivos são divididos por 1 - sobrevivência adulta</translation>
    </message>
    <message>
        <source>With %1% of owned yearlings sterilised by their owners, owned dogs cannot replace themselves, so there is no steady state to start from. Keep it below %2%.</source>
        <translation>Com %1% das fêmeas de um ano com tutor castradas pelos tutores, os cães com tutor não conseguem se repor, então não há estado estacionário de onde partir. Mantenha abaixo de %2%.</translation>
    </message>
    <message>
        <source>juvenile survival %1 is at or above the threshold 1 / pups per yearling = %2: street pups would more than replace themselves, so there is no steady state to start from. Keep it below %2.</source>
        <translation>a sobrevivência juvenil %1 está no limiar 1 / filhotes por fêmea de um ano = %2 ou acima dele: os filhotes de rua mais do que se reporiam, então não há estado estacionário de onde partir. Mantenha abaixo de %2.</translation>
    </message>
    <message>
        <source>at least 0</source>
        <translation>no mínimo 0</translation>
    </message>
    <message>
        <source>0 to 1</source>
        <translation>de 0 a 1</translation>
    </message>
    <message>
        <source>0 to 100</source>
        <translation>de 0 a 100</translation>
    </message>
    <message>
        <source>at least 0 and below 1</source>
        <translation>no mínimo 0 e abaixo de 1</translation>
    </message>
    <message>
        <source>0 to 1000</source>
        <translation>de 0 a 1000</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>acima de 0</translation>
    </message>
    <message>
        <source>above 0 and at most 20</source>
        <translation>acima de 0 e no máximo 20</translation>
    </message>
    <message>
        <source>adult survival</source>
        <translation>sobrevivência adulta</translation>
    </message>
    <message>
        <source>juvenile survival</source>
        <translation>sobrevivência juvenil</translation>
    </message>
    <message>
        <source>age at first litter</source>
        <translation>idade na primeira ninhada</translation>
    </message>
    <message>
        <source>age at last litter</source>
        <translation>idade na última ninhada</translation>
    </message>
    <message>
        <source>prob. pregnant</source>
        <translation>prob. prenhez</translation>
    </message>
    <message>
        <source>female pups per litter</source>
        <translation>filhotes fêmeas por ninhada</translation>
    </message>
    <message>
        <source>% owned dogs sterilised</source>
        <translation>% de cães com tutor castrados</translation>
    </message>
    <message>
        <source>times in first year</source>
        <translation>vezes no primeiro ano</translation>
    </message>
    <message>
        <source>abandoned per year</source>
        <translation>abandonadas por ano</translation>
    </message>
    <message>
        <source>sterilisation rate (tenths of a %)</source>
        <translation>taxa de castração (décimos de %)</translation>
    </message>
    <message>
        <source>share aimed at owned dogs (%)</source>
        <translation>parcela destinada a cães com tutor (%)</translation>
    </message>
    <message>
        <source>sterilising starts in</source>
        <translation>a castração começa em</translation>
    </message>
    <message>
        <source>dogs killed from</source>
        <translation>cães eliminados de</translation>
    </message>
    <message>
        <source>dogs killed to</source>
        <translation>cães eliminados até</translation>
    </message>
    <message>
        <source>females arriving per year</source>
        <translation>fêmeas que chegam por ano</translation>
    </message>
    <message>
        <source>street carrying capacity</source>
        <translation>capacidade de suporte da rua</translation>
    </message>
    <message>
        <source>compensation</source>
        <translation>compensação</translation>
    </message>
    <message>
        <source>sterilising stops after</source>
        <translation>a castração termina após</translation>
    </message>
    <message>
        <source>sterilisations per year</source>
        <translation>castrações por ano</translation>
    </message>
    <message>
        <source>an input</source>
        <translation>um dado</translation>
    </message>
    <message>
        <source>%1 %2 is outside its range: %3</source>
        <translation>%1 %2 está fora da sua faixa: %3</translation>
    </message>
    <message>
        <source>%1 %2 is outside its range: not below the age at first litter (%3)</source>
        <translation>%1 %2 está fora da sua faixa: não abaixo da idade na primeira ninhada (%3)</translation>
    </message>
    <message>
        <source>%1 %2 is outside its range: not before the start year (%3)</source>
        <translation>%1 %2 está fora da sua faixa: não antes do ano de início (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is too large a number</source>
        <translation>%1: %2 é um número grande demais</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 não é um número</translation>
    </message>
    <message>
        <source>%1: %2 lies outside %3</source>
        <translation>%1: %2 está fora de %3</translation>
    </message>
    <message>
        <source>the whole numbers -32768 to 32767</source>
        <translation>os números inteiros de -32768 a 32767</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a file</source>
        <translation>é um pipe (FIFO), não um arquivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>é um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>é um socket, não um arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 1-year old females abandoned per year</source>
        <translation>%1 fêmeas de 1 ano que se abandonam por ano</translation>
    </message>
    <message>
        <source>juv survival, &lt; %1</source>
        <translation>sobrev. juvenil, &lt; %1</translation>
    </message>
    <message>
        <source>expected lifespan at birth = %1</source>
        <translation>expectativa de vida ao nascer = %1</translation>
    </message>
    <message>
        <source>expected lifespan at one year = %1</source>
        <translation>expectativa de vida com um ano = %1</translation>
    </message>
    <message>
        <source>intrinsic doubling time %1 years, 1st year survival %2</source>
        <translation>duplicação intrínseca em %1 anos, sobrev. 1.º ano %2</translation>
    </message>
    <message>
        <source>%1 currently sterilised per year</source>
        <translation>%1 castradas por ano hoje</translation>
    </message>
    <message>
        <source>%1 extra sterilisations in first year, %2 in owned (%3%), %4 in street population (%5%)</source>
        <translation>%1 castrações a mais no 1.º ano, %2 com tutor (%3%), %4 na rua (%5%)</translation>
    </message>
    <message>
        <source>The simulation suggests %1 females in the 2005 street population, of which %2% were surviving abandoned dogs, and that the year 2005 population was %3% of the year 2000 population</source>
        <translation>A simulação sugere %1 fêmeas na população de rua de 2005, das quais %2% eram cadelas abandonadas sobreviventes, e que a população de 2005 era %3% da de 2000</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::AnalysisView</name>
    <message>
        <source>How far the computation has come</source>
        <translation>Quanto o cálculo já avançou</translation>
    </message>
    <message>
        <source>Recompute</source>
        <translation>Recalcular</translation>
    </message>
    <message>
        <source>Export &amp;PNG...</source>
        <translation>Exportar &amp;PNG...</translation>
    </message>
    <message>
        <source>Save the chart, with the inputs it was computed on, as a PNG image</source>
        <translation>Salvar o gráfico, com os dados usados no cálculo, como imagem PNG</translation>
    </message>
    <message>
        <source>Export &amp;SVG...</source>
        <translation>Exportar &amp;SVG...</translation>
    </message>
    <message>
        <source>Save the chart, with the inputs it was computed on, as an SVG drawing</source>
        <translation>Salvar o gráfico, com os dados usados no cálculo, como desenho SVG</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
        <source>Save the figures behind the chart as CSV, for a spreadsheet</source>
        <translation>Salvar os números do gráfico como CSV, para uma planilha</translation>
    </message>
    <message>
        <source>The computation stopped: %1</source>
        <translation>O cálculo parou: %1</translation>
    </message>
    <message>
        <source>No run has read the window&apos;s inputs yet: press Run.</source>
        <translation>Nenhuma execução leu ainda os dados da janela: pressione Run.</translation>
    </message>
    <message>
        <source>The last run stopped before it read every input: %1</source>
        <translation>A última execução parou antes de ler todos os dados: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop the computation; the chart keeps the last result</source>
        <translation>Parar o cálculo; o gráfico mantém o último resultado</translation>
    </message>
    <message>
        <source>Computing...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Compute again on the inputs of the window&apos;s last run</source>
        <translation>Calcular de novo com os dados da última execução da janela</translation>
    </message>
    <message>
        <source>Stopped: the chart shows the last result. Recompute, run the window or change an input to start again.</source>
        <translation>Parado: o gráfico mostra o último resultado. Recalcule, execute a janela ou altere um dado para começar de novo.</translation>
    </message>
    <message>
        <source>There is nothing to export yet.</source>
        <translation>Ainda não há nada para exportar.</translation>
    </message>
    <message>
        <source>Export %1 as PNG</source>
        <translation>Exportar %1 como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Export %1 as SVG</source>
        <translation>Exportar %1 como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export %1 as CSV</source>
        <translation>Exportar %1 como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::AnalysisViewActions</name>
    <message>
        <source>&amp;Sensitivity...</source>
        <translation>&amp;Sensibilidade...</translation>
    </message>
    <message>
        <source>Which inputs the street total hangs on: each moved down and up, as a tornado chart</source>
        <translation>De quais dados depende o total na rua: cada um reduzido e aumentado, como gráfico de tornado</translation>
    </message>
    <message>
        <source>&amp;Uncertainty...</source>
        <translation>&amp;Incerteza...</translation>
    </message>
    <message>
        <source>How wide the range of outcomes is: replicates with uncertain inputs and chance, as bands</source>
        <translation>Quão ampla é a faixa de resultados: réplicas com dados incertos e acaso, como faixas</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::BackgroundJob</name>
    <message>
        <source>the computation stopped with an unknown error</source>
        <translation>o cálculo parou com um erro desconhecido</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::CalibrationBox</name>
    <message>
        <source>Match a count</source>
        <translation>Ajustar a uma contagem</translation>
    </message>
    <message>
        <source>The year of the survey, %1 to %2.</source>
        <translation>O ano do censo, de %1 a %2.</translation>
    </message>
    <message>
        <source>The street females aged one and over counted in the survey year (above 0).</source>
        <translation>As fêmeas de rua de um ano ou mais contadas no ano do censo (acima de 0).</translation>
    </message>
    <message>
        <source>Abandoned per year</source>
        <translation>Abandonadas por ano</translation>
    </message>
    <message>
        <source>Immigrants per year</source>
        <translation>Imigrantes por ano</translation>
    </message>
    <message>
        <source>Carrying capacity</source>
        <translation>Capacidade de suporte</translation>
    </message>
    <message>
        <source>The input to adjust: the number abandoned per year (whole females, %1 to %2), the intact females arriving per year (whole, 0 to %3) or the street carrying capacity (whole females, 1 to %4, at most three significant figures).</source>
        <translation>O dado a ajustar: as abandonadas por ano (fêmeas inteiras, de %1 a %2), as fêmeas inteiras que chegam por ano (inteiras, de 0 a %3) ou a capacidade de suporte da rua (fêmeas inteiras, de 1 a %4, no máximo três algarismos significativos).</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Set the chosen input to the value whose run gives the street total nearest to the count in the survey year. Edit → Undo in the main window reverts it.</source>
        <translation>Define o dado escolhido com o valor cuja execução dá o total na rua mais próximo da contagem no ano do censo. Editar → Desfazer na janela principal o reverte.</translation>
    </message>
    <message>
        <source>Survey y&amp;ear</source>
        <translation>An&amp;o do censo</translation>
    </message>
    <message>
        <source>&amp;Counted street females</source>
        <translation>&amp;Fêmeas de rua contadas</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Dado a ajustar</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Procurando…</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::CaptionLabel</name>
    <message>
        <source>Not updated: an input changed after the run that wrote this. Press Run.</source>
        <translation>Não atualizado: um dado mudou depois da execução que escreveu isto. Pressione Run.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ChartView</name>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Não foi possível salvar o gráfico como %1.</translation>
    </message>
    <message>
        <source>Karnoth chart</source>
        <translation>Gráfico do Karnoth</translation>
    </message>
    <message>
        <source>There is no yearly data to copy: no run has finished yet.</source>
        <translation>Não há dados anuais para copiar: nenhuma execução terminou ainda.</translation>
    </message>
    <message>
        <source>The clipboard is not available.</source>
        <translation>A área de transferência não está disponível.</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>grafico</translation>
    </message>
    <message>
        <source>Export chart as PNG</source>
        <translation>Exportar gráfico como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Export chart as SVG</source>
        <translation>Exportar gráfico como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export chart as PNG...</source>
        <translation>Exportar gráfico como PNG...</translation>
    </message>
    <message>
        <source>Export chart as SVG...</source>
        <translation>Exportar gráfico como SVG...</translation>
    </message>
    <message>
        <source>Copy yearly data</source>
        <translation>Copiar dados anuais</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::FormWindow</name>
    <message>
        <source>Run the model on the inputs as they are now (Enter).</source>
        <translation>Executar o modelo com os dados como estão agora (Enter).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Export chart as &amp;PNG...</source>
        <translation>Exportar gráfico como &amp;PNG...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Export chart as &amp;SVG...</source>
        <translation>Exportar gráfico como S&amp;VG...</translation>
    </message>
    <message>
        <source>&amp;Copy yearly data</source>
        <translation>C&amp;opiar dados anuais</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>The last run&apos;s yearly series as CSV, for a spreadsheet.</source>
        <translation>As séries anuais da última execução como CSV, para uma planilha.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Gridlines</source>
        <translation>&amp;Grade</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legenda</translation>
    </message>
    <message>
        <source>Street &amp;coverage</source>
        <translation>&amp;Cobertura na rua</translation>
    </message>
    <message>
        <source>Chart the share of street females sterilised, 0 to 100 %, beside the counts.</source>
        <translation>Desenhar a proporção de fêmeas de rua castradas, de 0 a 100 %, junto às contagens.</translation>
    </message>
    <message>
        <source>&amp;Keep scale</source>
        <translation>&amp;Manter escala</translation>
    </message>
    <message>
        <source>Chart the next runs against this run&apos;s scales, so that fewer dogs show as a lower curve; untick to fit each run again.</source>
        <translation>Desenhar as próximas execuções com as escalas desta, para que menos cães apareçam como uma curva mais baixa; desmarque para ajustar cada execução de novo.</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nálise</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>About the &amp;model</source>
        <translation>Sobre o &amp;modelo</translation>
    </message>
    <message>
        <source>&amp;About Karnoth</source>
        <translation>Sobre o &amp;Karnoth</translation>
    </message>
    <message>
        <source>About Karnoth</source>
        <translation>Sobre o Karnoth</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Karnoth&lt;/b&gt; projects the owned and street female dogs of a town from 1950 to 2050 under abandonment, owners&apos; sterilisation, culling and a sterilisation programme, for those who plan dog-population programmes.&lt;/p&gt;&lt;p&gt;Press F1 for what every input means.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Karnoth&lt;/b&gt; projeta as cadelas com tutor e de rua de um município de 1950 a 2050 com abandono, castração pelos tutores, eliminação e um programa de castração, para quem planeja programas de manejo populacional de cães.&lt;/p&gt;&lt;p&gt;Pressione F1 para ver o que significa cada dado.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sem título</translation>
    </message>
    <message>
        <source>Karnoth — %1[*]</source>
        <translation>Karnoth — %1[*]</translation>
    </message>
    <message>
        <source>&amp;First year shown</source>
        <translation>&amp;Primeiro ano exibido</translation>
    </message>
    <message>
        <source>1950</source>
        <translation>1950</translation>
    </message>
    <message>
        <source>Ten years before the programme starts</source>
        <translation>Dez anos antes do início do programa</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::GridMapView</name>
    <message>
        <source>updating…</source>
        <translation>atualizando…</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::HelpDialog</name>
    <message>
        <source>About the model</source>
        <translation>Sobre o modelo</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::InputHistory</name>
    <message>
        <source>Change %1</source>
        <translation>Alterar %1</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>The new language applies when Karnoth next starts.</source>
        <translation>O novo idioma vale a partir da próxima vez que o Karnoth for iniciado.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlanHeatMapView</name>
    <message>
        <source>Each cell is one programme: its yearly rate across, its share aimed at owned dogs up. Point at a cell for its figures; click it to set the main window&apos;s bars to it.</source>
        <translation>Cada célula é um programa: a taxa anual na horizontal, a parcela destinada a cães com tutor na vertical. Aponte para uma célula para ver os números; clique para levar a ela as barras da janela principal.</translation>
    </message>
    <message>
        <source>Computing the plan…</source>
        <translation>Calculando o plano…</translation>
    </message>
    <message>
        <source>The heat map could not be saved as %1.</source>
        <translation>Não foi possível salvar o mapa de calor como %1.</translation>
    </message>
    <message>
        <source>Karnoth plan</source>
        <translation>Plano do Karnoth</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlanSettingsBox</name>
    <message>
        <source>Target and costs</source>
        <translation>Meta e custos</translation>
    </message>
    <message>
        <source>The year the street total is judged in: from the programme&apos;s start year to %1.</source>
        <translation>O ano em que o total na rua é avaliado: do ano de início do programa até %1.</translation>
    </message>
    <message>
        <source>A programme meets the target when the street total (females aged one and over) in the target year is at most this percentage of the baseline, the street total in the year before the programme starts. Above 0; 100 or more is allowed.</source>
        <translation>Um programa atinge a meta quando o total na rua (fêmeas de um ano ou mais) no ano da meta é no máximo esta porcentagem da linha de base, o total na rua no ano anterior ao início do programa. Acima de 0; 100 ou mais é permitido.</translation>
    </message>
    <message>
        <source>The cost of one sterilisation of an owned dog, in any unit (1 counts operations).</source>
        <translation>O custo de uma castração de um cão com tutor, em qualquer unidade (1 conta cirurgias).</translation>
    </message>
    <message>
        <source>The cost of one sterilisation of a street dog, in any unit (1 counts operations).</source>
        <translation>O custo de uma castração de um cão de rua, em qualquer unidade (1 conta cirurgias).</translation>
    </message>
    <message>
        <source>The grid&apos;s shares aimed at owned dogs run 0, step, 2 × step, ... up to 100 %. A smaller step means more rows and a longer computation.</source>
        <translation>As parcelas com tutor da grade vão 0, passo, 2 × passo, ... até 100 %. Um passo menor dá mais linhas e um cálculo mais longo.</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Valores padrão</translation>
    </message>
    <message>
        <source>Ten years after the programme&apos;s start, 50 %, costs 1 and 1, steps of 5 %; the target year then follows the start year.</source>
        <translation>Dez anos depois do início do programa, 50 %, custos 1 e 1, passos de 5 %; o ano da meta passa então a acompanhar o ano de início.</translation>
    </message>
    <message>
        <source>Target &amp;year</source>
        <translation>&amp;Ano da meta</translation>
    </message>
    <message>
        <source>At &amp;most (of the baseline)</source>
        <translation>No &amp;máximo (da linha de base)</translation>
    </message>
    <message>
        <source>Cost of one &amp;owned sterilisation</source>
        <translation>Custo de uma castração com &amp;tutor</translation>
    </message>
    <message>
        <source>Cost of one &amp;street sterilisation</source>
        <translation>Custo de uma castração de &amp;rua</translation>
    </message>
    <message>
        <source>Owned-share s&amp;tep</source>
        <translation>&amp;Passo da parcela com tutor</translation>
    </message>
    <message>
        <source>(following the start year)</source>
        <translation>(acompanha o ano de início)</translation>
    </message>
    <message>
        <source>off</source>
        <translation>não</translation>
    </message>
    <message>
        <source>For each owned share, the rate that meets the target in at least this share of the futures the uncertainty settings draw (Analysis → Uncertainty: ranges, year-to-year SD, whole dogs), shown as a map of probabilities. Off, or 50 to 99 %; 90 % until you set it when those settings draw anything.</source>
        <translation>Para cada parcela com dono, a taxa que atinge a meta em pelo menos esta parcela dos futuros sorteados pelos ajustes de incerteza (Análise → Incerteza: intervalos, DP de um ano para outro, cães inteiros), mostrada como um mapa de probabilidades. Não, ou de 50 a 99 %; 90 % até que você a defina, quando esses ajustes sorteiam algo.</translation>
    </message>
    <message>
        <source>Co&amp;nfidence</source>
        <translation>Co&amp;nfiança</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlanTable</name>
    <message>
        <source>Owned
share</source>
        <translation>Parcela com
tutor</translation>
    </message>
    <message>
        <source>Minimal
rate</source>
        <translation>Taxa
mínima</translation>
    </message>
    <message>
        <source>Street
total</source>
        <translation>Total na
rua</translation>
    </message>
    <message>
        <source>Sterilised
owned</source>
        <translation>Castradas
com tutor</translation>
    </message>
    <message>
        <source>Sterilised
street</source>
        <translation>Castradas
de rua</translation>
    </message>
    <message>
        <source>Sterilised
in all</source>
        <translation>Castradas
no total</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Operations
first year</source>
        <translation>Cirurgias
primeiro ano</translation>
    </message>
    <message>
        <source>Operations a
year (mean)</source>
        <translation>Cirurgias por
ano (média)</translation>
    </message>
    <message>
        <source>Street
coverage %</source>
        <translation>Cobertura na
rua %</translation>
    </message>
    <message>
        <source>For each share aimed at owned dogs, the smallest yearly rate that meets the target, with its street total in the target year, its sterilisations over the programme&apos;s years and their cost, the operations a year it implies and the share of street females sterilised in the target year. With sterilisations per year set in the main window, the smallest number of operations a year instead of the rate. Double-click a row (or press Enter on it) to set the main window&apos;s bars to it.</source>
        <translation>Para cada parcela destinada a cães com tutor, a menor taxa anual que atinge a meta, com o total na rua no ano da meta, as castrações ao longo dos anos do programa e o custo, as cirurgias por ano que ela implica e a proporção de fêmeas de rua castradas no ano da meta. Com castrações por ano definidas na janela principal, o menor número de cirurgias por ano em vez da taxa. Clique duas vezes em uma linha (ou pressione Enter nela) para levar a ela as barras da janela principal.</translation>
    </message>
    <message>
        <source>Minimal operations
a year</source>
        <translation>Cirurgias mínimas
por ano</translation>
    </message>
    <message>
        <source>Street total
%1</source>
        <translation>Total na rua
%1</translation>
    </message>
    <message>
        <source>Street coverage
%1, %</source>
        <translation>Cobertura na rua
%1, %</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>No number of operations meets the target; the figures are those at %1 a year.</source>
        <translation>Nenhum número de cirurgias atinge a meta; os números são os de %1 por ano.</translation>
    </message>
    <message>
        <source>No number of operations meets the target, and the run at %1 a year faults.</source>
        <translation>Nenhum número de cirurgias atinge a meta, e a execução com %1 por ano falha.</translation>
    </message>
    <message>
        <source>No rate meets the target; the figures are those at 100 %.</source>
        <translation>Nenhuma taxa atinge a meta; os números são os de 100 %.</translation>
    </message>
    <message>
        <source>No rate meets the target, and the run at 100 % faults.</source>
        <translation>Nenhuma taxa atinge a meta, e a execução com 100 % falha.</translation>
    </message>
    <message>
        <source>%1 (%2 a month)</source>
        <translation>%1 (%2 por mês)</translation>
    </message>
    <message>
        <source>The cheapest programme of the whole grid aims %1 % at owned dogs: %2 a year, cost %3.</source>
        <translation>O programa mais barato de toda a grade destina %1 % a cães com tutor: %2 por ano, custo %3.</translation>
    </message>
    <message>
        <source>rate %1</source>
        <translation>taxa %1</translation>
    </message>
    <message>
        <source>Operations at
%1 %</source>
        <translation>Operações
a %1 %</translation>
    </message>
    <message>
        <source>Rate at
%1 %</source>
        <translation>Taxa a
%1 %</translation>
    </message>
    <message>
        <source>%1 of %2 replicates fault at rate 0 for this share and are left out.</source>
        <translation>%1 de %2 réplicas falham à taxa 0 nesta parcela e ficam de fora.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::Planner</name>
    <message>
        <source>Abandoned per year set to %1: the street total in %2 is %3, %4.</source>
        <translation>Abandonadas por ano definidas em %1: o total na rua em %2 é %3, %4.</translation>
    </message>
    <message>
        <source>No value of the abandonment bar reaches the count; this is the nearest it can give.</source>
        <translation>Nenhum valor da barra de abandono alcança a contagem; este é o mais próximo que ela dá.</translation>
    </message>
    <message>
        <source>Immigrants per year set to %1: the street total in %2 is %3, %4.</source>
        <translation>Imigrantes por ano definidos em %1: o total na rua em %2 é %3, %4.</translation>
    </message>
    <message>
        <source>No number of immigrants from 0 to 30,000 reaches the count; this is the nearest they give.</source>
        <translation>Nenhum número de imigrantes de 0 a 30,000 alcança a contagem; este é o mais próximo que eles dão.</translation>
    </message>
    <message>
        <source>Carrying capacity set to %1: the street total in %2 is %3, %4.</source>
        <translation>Capacidade de suporte definida em %1: o total na rua em %2 é %3, %4.</translation>
    </message>
    <message>
        <source>No carrying capacity from 1 to 10,000,000 reaches the count; this is the nearest it gives.</source>
        <translation>Nenhuma capacidade de suporte de 1 a 10,000,000 alcança a contagem; este é o mais próximo que ela dá.</translation>
    </message>
    <message>
        <source>rate %1</source>
        <translation>taxa %1</translation>
    </message>
    <message>
        <source>street total in %1: %2, %3 % of the baseline</source>
        <translation>total na rua em %1: %2, %3 % da linha de base</translation>
    </message>
    <message>
        <source>sterilisations %1–%2: %3 owned, %4 street, %5 in all</source>
        <translation>castrações %1–%2: %3 com tutor, %4 de rua, %5 no total</translation>
    </message>
    <message>
        <source>cost %1</source>
        <translation>custo %1</translation>
    </message>
    <message>
        <source>operations a year: %1 in %2, %3 on average over the programme&apos;s years</source>
        <translation>cirurgias por ano: %1 em %2, %3 em média ao longo dos anos do programa</translation>
    </message>
    <message>
        <source>street coverage in %1: %2 %</source>
        <translation>cobertura na rua em %1: %2 %</translation>
    </message>
    <message>
        <source>%1 operations</source>
        <translation>%1 cirurgias</translation>
    </message>
    <message>
        <source>about %1 operations a month</source>
        <translation>cerca de %1 cirurgias por mês</translation>
    </message>
    <message>
        <source>%1 a year, %2 % aimed at owned dogs</source>
        <translation>%1 por ano, %2 % destinado a cães com tutor</translation>
    </message>
    <message>
        <source>the run faults: %1</source>
        <translation>a execução falha: %1</translation>
    </message>
    <message>
        <source>meets the target</source>
        <translation>atinge a meta</translation>
    </message>
    <message>
        <source>misses the target</source>
        <translation>não atinge a meta</translation>
    </message>
    <message>
        <source>No plan: %1</source>
        <translation>Sem plano: %1</translation>
    </message>
    <message>
        <source>Baseline: %1 street females aged one and over in %2; the target is at most %3 (%4 %) in %5.</source>
        <translation>Linha de base: %1 fêmeas de rua de um ano ou mais em %2; a meta é no máximo %3 (%4 %) em %5.</translation>
    </message>
    <message>
        <source>No programme on the grid meets the target.</source>
        <translation>Nenhum programa da grade atinge a meta.</translation>
    </message>
    <message>
        <source>Cheapest: %1 a year (%2), %3 % aimed at owned dogs, cost %4 (%5 owned and %6 street sterilisations).</source>
        <translation>O mais barato: %1 por ano (%2), %3 % destinado a cães com tutor, custo %4 (%5 castrações com tutor e %6 de rua).</translation>
    </message>
    <message>
        <source>That is above the minimal %1 of its share: a faster programme reaches the target with fewer operations in all.</source>
        <translation>Isso está acima do mínimo de %1 da sua parcela: um programa mais rápido atinge a meta com menos cirurgias no total.</translation>
    </message>
    <message>
        <source>exactly the count of %1</source>
        <translation>exatamente a contagem de %1</translation>
    </message>
    <message>
        <source>%1 above the count of %2</source>
        <translation>%1 acima da contagem de %2</translation>
    </message>
    <message>
        <source>%1 below the count of %2</source>
        <translation>%1 abaixo da contagem de %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>every replicate faults at rate 0 for this share</source>
        <translation>todas as réplicas falham à taxa 0 nesta parcela</translation>
    </message>
    <message>
        <source>meets the target in %1 % of %2 valid replicates</source>
        <translation>atinge a meta em %1 % de %2 réplicas válidas</translation>
    </message>
    <message>
        <source>%1 replicates fault at rate 0 and are left out</source>
        <translation>%1 réplicas falham à taxa 0 e ficam de fora</translation>
    </message>
    <message>
        <source>No plan at %1 %: %2</source>
        <translation>Sem plano a %1 %: %2</translation>
    </message>
    <message>
        <source>Cheapest at %1 %: owned share %2 %, %3, cost %4.</source>
        <translation>Mais barato a %1 %: parcela com dono %2 %, %3, custo %4.</translation>
    </message>
    <message>
        <source>No owned share meets the target in %1 % of the replicates.</source>
        <translation>Nenhuma parcela com dono atinge a meta em %1 % das réplicas.</translation>
    </message>
    <message>
        <source>Up to %1 of %2 replicates fault at rate 0 and are left out of their share.</source>
        <translation>Até %1 de %2 réplicas falham à taxa 0 e ficam de fora da sua parcela.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlannerActions</name>
    <message>
        <source>&amp;Planner...</source>
        <translation>&amp;Planejador...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Which programme rate and owned share reach a target, and at what cost.</source>
        <translation>Qual taxa do programa e qual parcela com tutor atingem uma meta, e a que custo.</translation>
    </message>
    <message>
        <source>&amp;Match a count...</source>
        <translation>&amp;Ajustar a uma contagem...</translation>
    </message>
    <message>
        <source>Set the number abandoned per year so that the street total matches a survey&apos;s count.</source>
        <translation>Definir as abandonadas por ano para que o total na rua coincida com a contagem de um censo.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlannerWindow</name>
    <message>
        <source>There is no plan to export yet.</source>
        <translation>Ainda não há plano para exportar.</translation>
    </message>
    <message>
        <source>Karnoth — Planner</source>
        <translation>Karnoth — Planejador</translation>
    </message>
    <message>
        <source>The figures of the cell under the pointer.</source>
        <translation>Os números da célula sob o ponteiro.</translation>
    </message>
    <message>
        <source>computing the grid: %p %</source>
        <translation>calculando a grade: %p %</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>The inputs changed before a match was found; press Match again.</source>
        <translation>Os dados mudaram antes de encontrar um ajuste; pressione Ajustar de novo.</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <translation>Sem ajuste: %1</translation>
    </message>
    <message>
        <source>Heat map as &amp;PNG...</source>
        <translation>Mapa de calor como &amp;PNG...</translation>
    </message>
    <message>
        <source>Export heat map as PNG</source>
        <translation>Exportar mapa de calor como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Heat map as &amp;SVG...</source>
        <translation>Mapa de calor como &amp;SVG...</translation>
    </message>
    <message>
        <source>Export heat map as SVG</source>
        <translation>Exportar mapa de calor como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>&amp;Table as CSV...</source>
        <translation>&amp;Tabela como CSV...</translation>
    </message>
    <message>
        <source>Export table as CSV</source>
        <translation>Exportar tabela como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Grid as CSV...</source>
        <translation>&amp;Grade como CSV...</translation>
    </message>
    <message>
        <source>Export every cell as CSV</source>
        <translation>Exportar todas as células como CSV</translation>
    </message>
    <message>
        <source>Save the heat map as a picture, or the table or every cell of the grid as CSV (the columns of karnoth-cli&apos;s plan).</source>
        <translation>Salvar o mapa de calor como imagem, ou a tabela ou todas as células da grade como CSV (as colunas do plano do karnoth-cli).</translation>
    </message>
    <message>
        <source>the main window has not run yet</source>
        <translation>a janela principal ainda não foi executada</translation>
    </message>
    <message>
        <source>the main window&apos;s last run stopped before it read every input: %1</source>
        <translation>a última execução da janela principal parou antes de ler todos os dados: %1</translation>
    </message>
    <message>
        <source>Choose %1 a year and %2 % owned from the planner</source>
        <translation>Escolher %1 por ano e %2 % com tutor no planejador</translation>
    </message>
    <message>
        <source>Choose rate %1 and %2 % owned from the planner</source>
        <translation>Escolher taxa %1 e %2 % com tutor no planejador</translation>
    </message>
    <message>
        <source>No count can be matched: the main window&apos;s last run stopped before it read every input.</source>
        <translation>Nenhuma contagem pode ser ajustada: a última execução da janela principal parou antes de ler todos os dados.</translation>
    </message>
    <message>
        <source>No count can be matched: %1</source>
        <translation>Nenhuma contagem pode ser ajustada: %1</translation>
    </message>
    <message>
        <source>Match a count of %1 in %2</source>
        <translation>Ajustar a uma contagem de %1 em %2</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plano</translation>
    </message>
    <message>
        <source>Pro&amp;bability</source>
        <translation>Pro&amp;babilidade</translation>
    </message>
    <message>
        <source>The share of the uncertainty settings&apos; replicates that meet the target at each rate and share; set a confidence to compute it.</source>
        <translation>A parcela das réplicas dos ajustes de incerteza que atingem a meta em cada taxa e parcela; defina uma confiança para calculá-la.</translation>
    </message>
    <message>
        <source>computing the probabilities: %p %</source>
        <translation>calculando as probabilidades: %p %</translation>
    </message>
    <message>
        <source>Street tota&amp;l</source>
        <translation>Tota&amp;l na rua</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::RangeInputs</name>
    <message>
        <source>vary</source>
        <translation>variar</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>now</source>
        <translation>agora</translation>
    </message>
    <message>
        <source>Draw %1 for each replicate from a uniform range, spread evenly over the replicates (Latin hypercube)</source>
        <translation>Sortear %1 para cada réplica de uma faixa uniforme, distribuída por igual entre as réplicas (hipercubo latino)</translation>
    </message>
    <message>
        <source>The low end of %1&apos;s range, in its own units</source>
        <translation>O extremo inferior da faixa de %1, nas próprias unidades</translation>
    </message>
    <message>
        <source>The high end of %1&apos;s range, in its own units</source>
        <translation>O extremo superior da faixa de %1, nas próprias unidades</translation>
    </message>
    <message>
        <source>%1 as the window&apos;s last run read it</source>
        <translation>%1 como a última execução da janela o leu</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>The range of %1: &quot;%2&quot; is not a number.</source>
        <translation>A faixa de %1: &quot;%2&quot; não é um número.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ReportDetailsDialog</name>
    <message>
        <source>Report details</source>
        <translation>Detalhes do relatório</translation>
    </message>
    <message>
        <source>Karnoth report: the scenario&apos;s name</source>
        <translation>Relatório do Karnoth: o nome do cenário</translation>
    </message>
    <message>
        <source>The report&apos;s title, on its first page and in the PDF&apos;s properties.</source>
        <translation>O título do relatório, na primeira página e nas propriedades do PDF.</translation>
    </message>
    <message>
        <source>Who prepared the report.</source>
        <translation>Quem preparou o relatório.</translation>
    </message>
    <message>
        <source>The service, council or charity the report is prepared for or by.</source>
        <translation>O serviço, prefeitura ou entidade de proteção animal para quem ou por quem o relatório é preparado.</translation>
    </message>
    <message>
        <source>The town or area whose dogs the programme is for.</source>
        <translation>O município ou a área a cujos cães o programa se destina.</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organização:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Local:</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::RobustHeatMapView</name>
    <message>
        <source>Each cell is one programme: its yearly rate across, its share aimed at owned dogs up, shaded by the share of the uncertainty settings&apos; replicates that meet the target with it. Click a cell to set the main window&apos;s bars to it.</source>
        <translation>Cada célula é um programa: a sua taxa anual na horizontal, a sua parcela voltada a cães com dono na vertical, sombreada pela parcela das réplicas dos ajustes de incerteza que atingem a meta com ele. Clique numa célula para levar a ela as barras da janela principal.</translation>
    </message>
    <message>
        <source>Computing the probabilities…</source>
        <translation>Calculando as probabilidades…</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenarioDetailsDialog</name>
    <message>
        <source>The name the comparison and the report show for this scenario.</source>
        <translation>O nome com que a comparação e o relatório mostram este cenário.</translation>
    </message>
    <message>
        <source>Anything a reader of the report should know: the source of the figures, what the option stands for.</source>
        <translation>O que um leitor do relatório deve saber: a fonte dos números, o que a opção representa.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>&amp;Observações:</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenarioOverlayView</name>
    <message>
        <source>Point at the chart to read each scenario&apos;s counts in that year.</source>
        <translation>Aponte para o gráfico para ler as contagens de cada cenário naquele ano.</translation>
    </message>
    <message>
        <source>No scenario has a run to draw.</source>
        <translation>Nenhum cenário tem uma execução para desenhar.</translation>
    </message>
    <message>
        <source>The comparison chart could not be saved as %1.</source>
        <translation>Não foi possível salvar o gráfico de comparação como %1.</translation>
    </message>
    <message>
        <source>Karnoth scenarios</source>
        <translation>Cenários do Karnoth</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenarioTools</name>
    <message>
        <source>Writing the report: planning, %1 %</source>
        <translation>Gravando o relatório: planejando, %1 %</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Não foi possível gravar o relatório: %1</translation>
    </message>
    <message>
        <source>&amp;Open scenario...</source>
        <translation>&amp;Abrir cenário...</translation>
    </message>
    <message>
        <source>Set every input from a scenario file: one step to undo.</source>
        <translation>Definir todos os dados a partir de um arquivo de cenário: um único passo para desfazer.</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Save scenario</source>
        <translation>&amp;Salvar cenário</translation>
    </message>
    <message>
        <source>Keep every input, killed.txt&apos;s records and the planner&apos;s target in the scenario&apos;s file.</source>
        <translation>Guardar todos os dados, os registros de killed.txt e a meta do planejador no arquivo do cenário.</translation>
    </message>
    <message>
        <source>Save scenario &amp;as...</source>
        <translation>Salvar cenário &amp;como...</translation>
    </message>
    <message>
        <source>Keep the window&apos;s state in a new scenario file, with a name and notes.</source>
        <translation>Guardar o estado da janela em um novo arquivo de cenário, com um nome e observações.</translation>
    </message>
    <message>
        <source>Export &amp;report...</source>
        <translation>Exportar re&amp;latório...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>A PDF for a meeting: inputs, sentences, chart, the planner&apos;s table and the comparison.</source>
        <translation>Um PDF para uma reunião: dados, frases, gráfico, a tabela do planejador e a comparação.</translation>
    </message>
    <message>
        <source>&amp;Compare scenarios...</source>
        <translation>&amp;Comparar cenários...</translation>
    </message>
    <message>
        <source>The window and kept scenarios side by side: a chart on common axes and a table.</source>
        <translation>A janela e os cenários guardados lado a lado: um gráfico com eixos comuns e uma tabela.</translation>
    </message>
    <message>
        <source>No scenarios yet</source>
        <translation>Ainda não há cenários</translation>
    </message>
    <message>
        <source>&amp;Clear the list</source>
        <translation>&amp;Limpar a lista</translation>
    </message>
    <message>
        <source>Open scenario %1</source>
        <translation>Abrir o cenário %1</translation>
    </message>
    <message>
        <source>The scenario was not saved: %1</source>
        <translation>O cenário não foi salvo: %1</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Gravando o relatório...</translation>
    </message>
    <message>
        <source>The report is in %1.</source>
        <translation>O relatório está em %1.</translation>
    </message>
    <message>
        <source>Opened scenario &quot;%1&quot; from %2.</source>
        <translation>Cenário &quot;%1&quot; aberto de %2.</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>Abrir cenário</translation>
    </message>
    <message>
        <source>The scenario was not opened.

%1</source>
        <translation>O cenário não foi aberto.

%1</translation>
    </message>
    <message>
        <source>Karnoth scenarios (*.karnoth);;All files (*)</source>
        <translation>Cenários do Karnoth (*.karnoth);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Saved scenario &quot;%1&quot; in %2.</source>
        <translation>Cenário &quot;%1&quot; salvo em %2.</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>Salvar cenário</translation>
    </message>
    <message>
        <source>scenario</source>
        <translation>cenario</translation>
    </message>
    <message>
        <source>Save scenario as</source>
        <translation>Salvar cenário como</translation>
    </message>
    <message>
        <source>karnoth-report</source>
        <translation>relatorio-karnoth</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar relatório</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report &amp;details...</source>
        <translation>&amp;Detalhes do relatório...</translation>
    </message>
    <message>
        <source>The title, author, organisation and place that head the report; kept in scenarios.</source>
        <translation>O título, o autor, a organização e o local que encabeçam o relatório; ficam guardados nos cenários.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenariosView</name>
    <message>
        <source>Scenarios</source>
        <translation>Cenários</translation>
    </message>
    <message>
        <source>Street total only</source>
        <translation>Só o total na rua</translation>
    </message>
    <message>
        <source>Street total and fertile street females</source>
        <translation>Total na rua e fêmeas de rua férteis</translation>
    </message>
    <message>
        <source>Street total and sterilisations per year</source>
        <translation>Total na rua e castrações por ano</translation>
    </message>
    <message>
        <source>What the thin lines show beside each scenario&apos;s street total.</source>
        <translation>O que as linhas finas mostram junto ao total na rua de cada cenário.</translation>
    </message>
    <message>
        <source>&amp;Draw:</source>
        <translation>Desen&amp;har:</translation>
    </message>
    <message>
        <source>Export table as &amp;CSV...</source>
        <translation>Exportar tabela como &amp;CSV...</translation>
    </message>
    <message>
        <source>Export chart as &amp;PNG...</source>
        <translation>Exportar gráfico como &amp;PNG...</translation>
    </message>
    <message>
        <source>Export chart as &amp;SVG...</source>
        <translation>Exportar gráfico como S&amp;VG...</translation>
    </message>
    <message>
        <source>The comparison table, one line per scenario, for a spreadsheet.</source>
        <translation>A tabela de comparação, uma linha por cenário, para uma planilha.</translation>
    </message>
    <message>
        <source>The chart of the scenarios as a picture.</source>
        <translation>O gráfico dos cenários como imagem.</translation>
    </message>
    <message>
        <source>The chart of the scenarios as a drawing that scales without blurring.</source>
        <translation>O gráfico dos cenários como desenho que se amplia sem perder nitidez.</translation>
    </message>
    <message>
        <source>Export comparison as CSV</source>
        <translation>Exportar comparação como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export comparison chart as PNG</source>
        <translation>Exportar gráfico de comparação como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Export comparison chart as SVG</source>
        <translation>Exportar gráfico de comparação como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>The scenarios compared: &quot;current&quot; is the window as it is now.</source>
        <translation>Os cenários comparados: &quot;current&quot; é a janela como está agora.</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Add scenarios from files saved with File &gt; Save scenario.</source>
        <translation>Adicionar cenários a partir de arquivos salvos com Arquivo &gt; Salvar cenário.</translation>
    </message>
    <message>
        <source>&amp;Add current...</source>
        <translation>A&amp;dicionar o atual...</translation>
    </message>
    <message>
        <source>Keep the window&apos;s inputs as they are now under a name, to compare with later changes.</source>
        <translation>Guardar os dados da janela como estão agora com um nome, para comparar com mudanças posteriores.</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>Re&amp;nomear...</translation>
    </message>
    <message>
        <source>Give the selected scenario another name.</source>
        <translation>Dar outro nome ao cenário selecionado.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Take the selected scenario off the list (its file stays).</source>
        <translation>Tirar da lista o cenário selecionado (o arquivo permanece).</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move the selected scenario up the list.</source>
        <translation>Subir o cenário selecionado na lista.</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>D&amp;escer</translation>
    </message>
    <message>
        <source>Move the selected scenario down the list.</source>
        <translation>Descer o cenário selecionado na lista.</translation>
    </message>
    <message>
        <source>The window as it is now: every run updates it.</source>
        <translation>A janela como está agora: cada execução a atualiza.</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Não desenhado: %1</translation>
    </message>
    <message>
        <source>Every scenario runs on its own inputs and culling records and is judged by the planner&apos;s target: its street total in %1 at most %2 % of its own street total in the year before its programme starts. Sterilisations and cost (%3 an owned, %4 a street sterilisation) count from its start to %1.</source>
        <translation>Cada cenário é executado com seus próprios dados e registros de eliminação e avaliado pela meta do planejador: seu total na rua em %1 no máximo %2 % do seu próprio total na rua no ano anterior ao início do programa. As castrações e o custo (%3 por castração com tutor, %4 por castração de rua) contam do início até %1.</translation>
    </message>
    <message>
        <source>The comparison holds %1 scenarios at most; remove one first.</source>
        <translation>A comparação aceita no máximo %1 cenários; remova um primeiro.</translation>
    </message>
    <message>
        <source>A scenario needs a name.</source>
        <translation>Um cenário precisa de um nome.</translation>
    </message>
    <message>
        <source>The window&apos;s state cannot be kept: %1</source>
        <translation>Não é possível guardar o estado da janela: %1</translation>
    </message>
    <message>
        <source>Add scenarios</source>
        <translation>Adicionar cenários</translation>
    </message>
    <message>
        <source>Karnoth scenarios (*.karnoth);;All files (*)</source>
        <translation>Cenários do Karnoth (*.karnoth);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Keep the window&apos;s state</source>
        <translation>Guardar o estado da janela</translation>
    </message>
    <message>
        <source>option %1</source>
        <translation>opção %1</translation>
    </message>
    <message>
        <source>Rename scenario</source>
        <translation>Renomear cenário</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparacao</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::SensitivityView</name>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidade</translation>
    </message>
    <message>
        <source>The year whose street total (females aged one and over) the chart compares, 1950 to 2050; it follows the planner&apos;s target year until you set it</source>
        <translation>O ano cujo total na rua (fêmeas de um ano ou mais) o gráfico compara, de 1950 a 2050; acompanha o ano da meta do planejador até que você o defina</translation>
    </message>
    <message>
        <source>How far each input moves down and up, in per cent of its value; each end stays within the input&apos;s range</source>
        <translation>Quanto cada dado se move para baixo e para cima, em porcentagem do seu valor; cada extremo fica dentro da faixa do dado</translation>
    </message>
    <message>
        <source>Street total in &amp;year</source>
        <translation>Total na rua no &amp;ano</translation>
    </message>
    <message>
        <source>each input moved &amp;both ways by</source>
        <translation>cada dado movido nos &amp;dois sentidos em</translation>
    </message>
    <message>
        <source>Each bar shows how far the street total moves when one input is lowered (hatched) or raised (solid) and every other stays as in the window. Elasticity, on the right, is the per cent change in street dogs for a 1 % change in the input: 2 means about 2 % more dogs, -0.5 about half a per cent fewer; near 0 the answer hardly hangs on that input. Point at a bar for it in words.</source>
        <translation>Cada barra mostra quanto o total na rua se move quando um dado é reduzido (hachurado) ou aumentado (cheio) e todos os outros ficam como na janela. A elasticidade, à direita, é a variação percentual de cães de rua para uma variação de 1 % no dado: 2 significa cerca de 2 % mais cães, -0.5 cerca de meio por cento a menos; perto de 0 o resultado quase não depende desse dado. Aponte para uma barra para lê-la em palavras.</translation>
    </message>
    <message>
        <source>Computing...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>No table: the run at the window&apos;s inputs faults: %1</source>
        <translation>Sem tabela: a execução com os dados da janela falha: %1</translation>
    </message>
    <message>
        <source>Every end ran.</source>
        <translation>Todos os extremos foram executados.</translation>
    </message>
    <message>
        <source>One input has an end that faults; it comes last.</source>
        <translation>Um dado tem um extremo que falha; ele vem por último.</translation>
    </message>
    <message>
        <source>%1 inputs have an end that faults; they come last.</source>
        <translation>%1 dados têm um extremo que falha; eles vêm por último.</translation>
    </message>
    <message>
        <source>Point at a bar for its figures.</source>
        <translation>Aponte para uma barra para ver os números.</translation>
    </message>
    <message>
        <source>Sensitivity of the street total in %1: each input moved %2 % down and up, one run per end</source>
        <translation>Sensibilidade do total na rua em %1: cada dado movido %2 % para baixo e para cima, uma execução por extremo</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilidade</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::UncertaintyView</name>
    <message>
        <source>1 replicate</source>
        <translation>1 réplica</translation>
    </message>
    <message>
        <source>%1 replicates</source>
        <translation>%1 réplicas</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Incerteza</translation>
    </message>
    <message>
        <source>Street females aged one and over</source>
        <translation>Fêmeas de rua de um ano ou mais</translation>
    </message>
    <message>
        <source>Computing...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Uncertain inputs</source>
        <translation>Dados incertos</translation>
    </message>
    <message>
        <source>Chance and replicates</source>
        <translation>Acaso e réplicas</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Each simulated year multiplies adult, street juvenile and owned first-year survival by one factor drawn with mean 1 and this standard deviation (0: none)</source>
        <translation>Cada ano simulado multiplica a sobrevivência adulta, a juvenil de rua e a do primeiro ano com tutor por um fator sorteado com média 1 e este desvio padrão (0: nenhum)</translation>
    </message>
    <message>
        <source>&amp;Year-to-year SD</source>
        <translation>DP &amp;interanual</translation>
    </message>
    <message>
        <source>&amp;Whole dogs</source>
        <translation>C&amp;ães inteiros</translation>
    </message>
    <message>
        <source>Count whole animals: binomial survival, sterilisation and culling, Poisson pups</source>
        <translation>Contar animais inteiros: sobrevivência, castração e eliminação binomiais, filhotes de Poisson</translation>
    </message>
    <message>
        <source>How many replicates of the projection 1950 to 2050 to run, 1 to %1</source>
        <translation>Quantas réplicas da projeção de 1950 a 2050 executar, de 1 a %1</translation>
    </message>
    <message>
        <source>&amp;Replicates</source>
        <translation>&amp;Réplicas</translation>
    </message>
    <message>
        <source>The random seed: the same seed gives the same bands</source>
        <translation>A semente aleatória: a mesma semente dá as mesmas faixas</translation>
    </message>
    <message>
        <source>S&amp;eed</source>
        <translation>S&amp;emente</translation>
    </message>
    <message>
        <source>&amp;Anchor to a count</source>
        <translation>&amp;Ancorar a uma contagem</translation>
    </message>
    <message>
        <source>Before it runs, each replicate&apos;s chosen input is matched to the count in the survey year, as &quot;Match a count&quot; does, so that the bands start at the count and spread from there.</source>
        <translation>Antes de executar, o dado escolhido de cada réplica é ajustado à contagem do ano do censo, como faz &quot;Ajustar a uma contagem&quot;, para que as faixas comecem na contagem e se abram a partir dela.</translation>
    </message>
    <message>
        <source>Survey &amp;year</source>
        <translation>An&amp;o do censo</translation>
    </message>
    <message>
        <source>The street females aged one and over counted in the survey year.</source>
        <translation>As fêmeas de rua de um ano ou mais contadas no ano do censo.</translation>
    </message>
    <message>
        <source>&amp;Counted</source>
        <translation>&amp;Contadas</translation>
    </message>
    <message>
        <source>Abandoned per year</source>
        <translation>Abandonadas por ano</translation>
    </message>
    <message>
        <source>Immigrants per year</source>
        <translation>Imigrantes por ano</translation>
    </message>
    <message>
        <source>Carrying capacity</source>
        <translation>Capacidade de suporte</translation>
    </message>
    <message>
        <source>A&amp;djusting</source>
        <translation>A&amp;justando</translation>
    </message>
    <message>
        <source>The planner&apos;s target is set in the planner; until then it lies ten years after the programme&apos;s start, at 50 % of the year before it</source>
        <translation>A meta do planejador é definida no planejador; até lá ela fica dez anos depois do início do programa, em 50 % do ano anterior a ele</translation>
    </message>
    <message>
        <source>Nothing is uncertain yet: every replicate would repeat the window&apos;s run. Give an input a range, a year-to-year SD or whole dogs, and the bands follow.</source>
        <translation>Ainda nada é incerto: cada réplica repetiria a execução da janela. Dê uma faixa a um dado, um DP interanual ou cães inteiros, e as faixas aparecem.</translation>
    </message>
    <message>
        <source>the planner&apos;s target, a street total in %1 at most %2 % of %3&apos;s</source>
        <translation>a meta do planejador, um total na rua em %1 no máximo %2 % do de %3</translation>
    </message>
    <message>
        <source>No chance of meeting %1 can be told: %2</source>
        <translation>Não é possível dizer a chance de atingir %1: %2</translation>
    </message>
    <message>
        <source>Chance of meeting %1: %2 % of %3.</source>
        <translation>Chance de atingir %1: %2 % de %3.</translation>
    </message>
    <message>
        <source>1 valid replicate</source>
        <translation>1 réplica válida</translation>
    </message>
    <message>
        <source>%1 valid replicates</source>
        <translation>%1 réplicas válidas</translation>
    </message>
    <message>
        <source>Street females aged one and over: %1, %2 valid, seed %3</source>
        <translation>Fêmeas de rua de um ano ou mais: %1, %2 válidas, semente %3</translation>
    </message>
    <message>
        <source>No replicate ran without a fault. The first: %1</source>
        <translation>Nenhuma réplica foi executada sem falha. A primeira: %1</translation>
    </message>
    <message>
        <source>%1 valid (%2 died out), %3 faulted.</source>
        <translation>%1 válidas (%2 extintas), %3 com falha.</translation>
    </message>
    <message>
        <source>The first fault: %1</source>
        <translation>A primeira falha: %1</translation>
    </message>
    <message>
        <source>The run at the window&apos;s inputs faults: %1</source>
        <translation>A execução com os dados da janela falha: %1</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 a %3</translation>
    </message>
    <message>
        <source>Uncertainty: %1, seed %2</source>
        <translation>Incerteza: %1, semente %2</translation>
    </message>
    <message>
        <source>; no input varied</source>
        <translation>; nenhum dado variado</translation>
    </message>
    <message>
        <source>; ranges: %1</source>
        <translation>; faixas: %1</translation>
    </message>
    <message>
        <source>; year-to-year SD %1</source>
        <translation>; DP interanual %1</translation>
    </message>
    <message>
        <source>; whole dogs</source>
        <translation>; cães inteiros</translation>
    </message>
    <message>
        <source>uncertainty</source>
        <translation>incerteza</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Bands</name>
    <message>
        <source>target %1</source>
        <translation>meta %1</translation>
    </message>
    <message>
        <source>the window&apos;s run</source>
        <translation>a execução da janela</translation>
    </message>
    <message>
        <source>median of the replicates</source>
        <translation>mediana das réplicas</translation>
    </message>
    <message>
        <source>50 % of the replicates</source>
        <translation>50 % das réplicas</translation>
    </message>
    <message>
        <source>90 % of the replicates</source>
        <translation>90 % das réplicas</translation>
    </message>
    <message>
        <source>the window&apos;s run: %1</source>
        <translation>a execução da janela: %1</translation>
    </message>
    <message>
        <source>median: %1</source>
        <translation>mediana: %1</translation>
    </message>
    <message>
        <source>50 %: %1 .. %2</source>
        <translation>50 %: %1 .. %2</translation>
    </message>
    <message>
        <source>90 %: %1 .. %2</source>
        <translation>90 %: %1 .. %2</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Chart</name>
    <message>
        <source>street females aged one and over</source>
        <translation>fêmeas de rua de um ano ou mais</translation>
    </message>
    <message>
        <source>fertile street females</source>
        <translation>fêmeas de rua férteis</translation>
    </message>
    <message>
        <source>sterilisations per year (right scale)</source>
        <translation>castrações por ano (escala à direita)</translation>
    </message>
    <message>
        <source>street coverage, 0 to 100 % of the height</source>
        <translation>cobertura na rua, de 0 a 100 % da altura</translation>
    </message>
    <message>
        <source>inputs changed — press Run</source>
        <translation>os dados mudaram — pressione Run</translation>
    </message>
    <message>
        <source>adult survival %1, juvenile survival %2, age at first litter %3, age at last litter %4, prob. pregnant %5, female pups per litter %6, %7 % of owned yearlings sterilised by their owners</source>
        <translation>sobrevivência adulta %1, sobrevivência juvenil %2, idade na primeira ninhada %3, idade na última ninhada %4, prob. prenhez %5, filhotes fêmeas por ninhada %6, %7 % das fêmeas de um ano com tutor castradas pelos tutores</translation>
    </message>
    <message>
        <source>%1 one-year-old females abandoned per year; programme %2 % a year from %3 (%4 times in the first year), %5 % of it aimed at owned dogs</source>
        <translation>%1 fêmeas de um ano abandonadas por ano; programa de %2 % ao ano a partir de %3 (%4 vezes no primeiro ano), %5 % destinado a cães com tutor</translation>
    </message>
    <message>
        <source>, street dogs only 1-year olds</source>
        <translation>, cães de rua só de 1 ano</translation>
    </message>
    <message>
        <source>; dogs killed from %1 to %2</source>
        <translation>; cães eliminados de %1 a %2</translation>
    </message>
    <message>
        <source>, log scale: the axes show ln(dogs + 1)</source>
        <translation>, escala logarítmica: os eixos mostram ln(cães + 1)</translation>
    </message>
</context>
<context>
    <name>karnoth::render::InputHelp</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>ligado ou desligado</translation>
    </message>
    <message>
        <source>a whole year</source>
        <translation>um ano inteiro</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>não marcada</translation>
    </message>
    <message>
        <source>%1: %2
Unit: %3
Range: %4</source>
        <translation>%1: %2
Unidade: %3
Faixa: %4</translation>
    </message>
    <message>
        <source>&lt;h2&gt;About the model&lt;/h2&gt;&lt;p&gt;Karnoth models the &lt;b&gt;female&lt;/b&gt; dogs of a town, by age from 0 to 10 years, in two linked populations: owned dogs and street dogs. From the life-history figures it sets both populations to a steady state and projects them year by year from &lt;b&gt;1950 to 2050&lt;/b&gt;, with abandonment of owned yearlings, owners&apos; own sterilisation, culling of street dogs and, from its start year, a sterilisation programme. The chart shows the street females aged one and over (red), the fertile street females of breeding age (green, on the red scale) and the programme&apos;s sterilisations per year (blue, right scale).&lt;/p&gt;&lt;p&gt;Typing into a box updates the figures beside it; moving a bar, or pressing Run (Enter), reruns the model. While the chart shows a run of earlier inputs, Run reads &lt;b&gt;Run*&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;A real town.&lt;/b&gt; Left empty, the group of that name leaves the model closed: street dogs come only from abandonment, pups survive as well on a crowded street as on an empty one, and the programme never ends. Intact females arriving per year join the street after each year&apos;s catching round and breed that year, so coverage levels off below 100 %. A street carrying capacity makes street pups survive their first year less often as the street fills, by Sj / (1 + c (N / K)^compensation), N being last year&apos;s street total and c the street&apos;s own surplus; a programme that thins the street is then partly made up. Sterilising stops after ends the programme; the window then says when the street is back to 90 % of its size before it. Sterilisations per year count the programme&apos;s effort in operations instead of the rate bar, which is greyed: the owned share splits them, operations the owned dogs cannot use are not moved to the street, and no year operates on more fertile dogs than there are.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Sobre o modelo&lt;/h2&gt;&lt;p&gt;O Karnoth modela as cadelas (&lt;b&gt;fêmeas&lt;/b&gt;) de um município, por idade de 0 a 10 anos, em duas populações ligadas: cães com tutor e cães de rua. A partir dos dados de história de vida, leva as duas populações a um estado estacionário e as projeta ano a ano de &lt;b&gt;1950 a 2050&lt;/b&gt;, com abandono de fêmeas de um ano com tutor, castração pelos próprios tutores, eliminação de cães de rua e, a partir do ano de início, um programa de castração. O gráfico mostra as fêmeas de rua de um ano ou mais (vermelho), as fêmeas de rua férteis em idade reprodutiva (verde, na escala vermelha) e as castrações por ano do programa (azul, escala à direita).&lt;/p&gt;&lt;p&gt;Digitar em uma caixa atualiza os números ao lado; mover uma barra, ou pressionar Run (Enter), executa o modelo de novo. Enquanto o gráfico mostra uma execução de dados anteriores, Run aparece como &lt;b&gt;Run*&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Caso real.&lt;/b&gt; Vazio, o grupo com esse nome deixa o modelo fechado: os cães de rua vêm só do abandono, os filhotes sobrevivem igualmente numa rua lotada e numa vazia, e o programa nunca termina. As fêmeas inteiras que chegam por ano juntam-se à rua depois da captura de cada ano e procriam no mesmo ano, de modo que a cobertura se estabiliza abaixo de 100 %. Uma capacidade de suporte da rua faz os filhotes de rua sobreviverem menos ao primeiro ano à medida que a rua se enche, segundo Sj / (1 + c (N / K)^compensação), sendo N o total na rua do ano anterior e c o excedente próprio da rua; um programa que reduz a rua é então em parte compensado. A castração termina após encerra o programa; a janela diz então quando a rua volta a 90 % do tamanho anterior. As castrações por ano contam o esforço do programa em cirurgias no lugar da barra de taxa, que fica em cinza: a parcela com tutor as divide, as cirurgias que os cães com tutor não podem usar não passam para a rua, e nenhum ano opera mais cães férteis do que existem.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Inputs&lt;/h3&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;input&lt;/th&gt;&lt;th&gt;meaning&lt;/th&gt;&lt;th&gt;unit&lt;/th&gt;&lt;th&gt;range&lt;/th&gt;&lt;th&gt;starts at&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;h3&gt;Dados&lt;/h3&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;dado&lt;/th&gt;&lt;th&gt;significado&lt;/th&gt;&lt;th&gt;unidade&lt;/th&gt;&lt;th&gt;faixa&lt;/th&gt;&lt;th&gt;valor inicial&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Limits&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Females only: every count is of female dogs.&lt;/li&gt;&lt;li&gt;The years 1950 to 2050 only: a programme that starts after 2050 never runs, and culling cannot include 1950, which has no year before it.&lt;/li&gt;&lt;li&gt;Owners who sterilise &lt;b&gt;70 %&lt;/b&gt; or more of their yearlings leave owned dogs unable to replace themselves: there is no steady state to start from.&lt;/li&gt;&lt;li&gt;Juvenile survival must stay below the &lt;b&gt;threshold&lt;/b&gt; shown beside it, 1 / pups per yearling: at or above it street pups more than replace themselves and there is no steady state either, unless a street carrying capacity holds them back.&lt;/li&gt;&lt;li&gt;A first-year multiplier, a cull or a programme that would remove more dogs than an age class holds stops the run in that year, naming the step.&lt;/li&gt;&lt;li&gt;killed.txt, in the working directory, holds records of a year and the street dogs killed in it; a bad record stops the run.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;A figure the model cannot use is named in the status bar, and the box it came from is framed in red until a run succeeds. Nothing is lost: correct the figure and run again.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Limites&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Só fêmeas: toda contagem é de cadelas.&lt;/li&gt;&lt;li&gt;Só os anos de 1950 a 2050: um programa que começa depois de 2050 nunca é executado, e a eliminação não pode incluir 1950, que não tem ano anterior.&lt;/li&gt;&lt;li&gt;Tutores que castram &lt;b&gt;70 %&lt;/b&gt; ou mais de suas fêmeas de um ano deixam os cães com tutor incapazes de se repor: não há estado estacionário de onde partir.&lt;/li&gt;&lt;li&gt;A sobrevivência juvenil deve ficar abaixo do &lt;b&gt;limiar&lt;/b&gt; mostrado ao lado, 1 / filhotes por fêmea de um ano: nele ou acima dele, os filhotes de rua mais do que se repõem e também não há estado estacionário, a menos que uma capacidade de suporte da rua os contenha.&lt;/li&gt;&lt;li&gt;Um multiplicador do primeiro ano, uma eliminação ou um programa que retiraria mais cães do que uma classe de idade tem interrompe a execução naquele ano, indicando a etapa.&lt;/li&gt;&lt;li&gt;killed.txt, no diretório de trabalho, guarda registros de um ano e dos cães de rua eliminados nele; um registro inválido interrompe a execução.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Um número que o modelo não consegue usar é indicado na barra de status, e a caixa de onde ele veio fica com moldura vermelha até uma execução dar certo. Nada se perde: corrija o número e execute de novo.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Overlay</name>
    <message>
        <source> (%1 fertile)</source>
        <translation> (%1 férteis)</translation>
    </message>
    <message>
        <source> (%1 sterilised)</source>
        <translation> (%1 castradas)</translation>
    </message>
    <message>
        <source>Thick lines: street females aged one and over; thin lines: fertile street females.</source>
        <translation>Linhas grossas: fêmeas de rua de um ano ou mais; linhas finas: fêmeas de rua férteis.</translation>
    </message>
    <message>
        <source>Thick lines: street females aged one and over (left scale); thin lines: the programme&apos;s sterilisations per year (right scale).</source>
        <translation>Linhas grossas: fêmeas de rua de um ano ou mais (escala à esquerda); linhas finas: castrações por ano do programa (escala à direita).</translation>
    </message>
    <message>
        <source>Lines: street females aged one and over.</source>
        <translation>Linhas: fêmeas de rua de um ano ou mais.</translation>
    </message>
</context>
<context>
    <name>karnoth::render::PlanHeatMap</name>
    <message>
        <source>operations a year (females)</source>
        <translation>cirurgias por ano (fêmeas)</translation>
    </message>
    <message>
        <source>programme rate, % a year</source>
        <translation>taxa do programa, % ao ano</translation>
    </message>
    <message>
        <source>share aimed at owned dogs, %</source>
        <translation>parcela destinada a cães com tutor, %</translation>
    </message>
    <message>
        <source>of baseline</source>
        <translation>da linha de base</translation>
    </message>
    <message>
        <source>No plan: %1</source>
        <translation>Sem plano: %1</translation>
    </message>
    <message>
        <source>Street total in %1 as a percentage of %2, the street total in %3</source>
        <translation>Total na rua em %1 como porcentagem de %2, o total na rua em %3</translation>
    </message>
    <message>
        <source>target: at most %1 % in %2</source>
        <translation>meta: no máximo %1 % em %2</translation>
    </message>
    <message>
        <source>the window&apos;s setting</source>
        <translation>o valor da janela</translation>
    </message>
    <message>
        <source>cheapest programme</source>
        <translation>programa mais barato</translation>
    </message>
    <message>
        <source>the run faults</source>
        <translation>a execução falha</translation>
    </message>
    <message>
        <source>of replicates</source>
        <translation>das réplicas</translation>
    </message>
    <message>
        <source>%1-%2 %</source>
        <translation>%1-%2 %</translation>
    </message>
    <message>
        <source>No plan at %1 %: %2</source>
        <translation>Sem plano a %1 %: %2</translation>
    </message>
    <message>
        <source>the window&apos;s run</source>
        <translation>a execução da janela</translation>
    </message>
    <message>
        <source>%1 replicates</source>
        <translation>%1 réplicas</translation>
    </message>
    <message>
        <source>Share of %1 that meet the target: at most %2 % of the baseline in %3</source>
        <translation>Parcela de %1 que atingem a meta: no máximo %2 % da base em %3</translation>
    </message>
    <message>
        <source>rate reaching %1 %</source>
        <translation>taxa que chega a %1 %</translation>
    </message>
    <message>
        <source>cheapest at %1 %</source>
        <translation>mais barato a %1 %</translation>
    </message>
    <message>
        <source>no valid replicate</source>
        <translation>nenhuma réplica válida</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Report</name>
    <message>
        <source>Scenarios</source>
        <translation>Cenários</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Cenário</translation>
    </message>
    <message>
        <source> (the inputs and run of this report)</source>
        <translation> (os dados e a execução deste relatório)</translation>
    </message>
    <message>
        <source> (the inputs of this report, whose run stopped)</source>
        <translation> (os dados deste relatório, cuja execução parou)</translation>
    </message>
    <message>
        <source>The run of these inputs stopped</source>
        <translation>A execução destes dados parou</translation>
    </message>
    <message>
        <source>So this report gives no summary, no sentences and no chart for these inputs; the input at fault, if the fault names one, is marked in the table below.</source>
        <translation>Por isso este relatório não traz resumo, frases nem gráfico para estes dados; o dado com falha, se a falha indicar um, está marcado na tabela abaixo.</translation>
    </message>
    <message>
        <source>What the run suggests</source>
        <translation>O que a execução sugere</translation>
    </message>
    <message>
        <source>input</source>
        <translation>dado</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unidade</translation>
    </message>
    <message>
        <source>%1 (at fault)</source>
        <translation>%1 (com falha)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>The programme is not judged against the target: %1</source>
        <translation>O programa não é avaliado em relação à meta: %1</translation>
    </message>
    <message>
        <source>year</source>
        <translation>ano</translation>
    </message>
    <message>
        <source>street total</source>
        <translation>total na rua</translation>
    </message>
    <message>
        <source>street breeders</source>
        <translation>reprodutoras de rua</translation>
    </message>
    <message>
        <source>operations</source>
        <translation>cirurgias</translation>
    </message>
    <message>
        <source>street coverage</source>
        <translation>cobertura na rua</translation>
    </message>
    <message>
        <source>%1 (target)</source>
        <translation>%1 (meta)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Year by year</source>
        <translation>Ano a ano</translation>
    </message>
    <message>
        <source>term</source>
        <translation>termo</translation>
    </message>
    <message>
        <source>meaning</source>
        <translation>significado</translation>
    </message>
    <message>
        <source>Words used</source>
        <translation>Termos usados</translation>
    </message>
    <message>
        <source>No chart: the run of these inputs stopped: %1</source>
        <translation>Sem gráfico: a execução destes dados parou: %1</translation>
    </message>
    <message>
        <source>No chart: the run of these inputs drew none.</source>
        <translation>Sem gráfico: a execução destes dados não desenhou nenhum.</translation>
    </message>
    <message>
        <source>Red solid line: street females aged one and over; green dashed line: fertile street females (both on the left scale); blue dotted line: the programme&apos;s sterilisations per year (right scale).</source>
        <translation>Linha vermelha contínua: fêmeas de rua de um ano ou mais; linha verde tracejada: fêmeas de rua férteis (ambas na escala à esquerda); linha azul pontilhada: castrações por ano do programa (escala à direita).</translation>
    </message>
    <message>
        <source> Log scale: the axes show ln(dogs + 1).</source>
        <translation> Escala logarítmica: os eixos mostram ln(cães + 1).</translation>
    </message>
    <message>
        <source>Planning a programme</source>
        <translation>Planejamento de um programa</translation>
    </message>
    <message>
        <source>No plan was made.</source>
        <translation>Nenhum plano foi feito.</translation>
    </message>
    <message>
        <source>owned share</source>
        <translation>parcela com tutor</translation>
    </message>
    <message>
        <source>minimal operations a year</source>
        <translation>cirurgias mínimas por ano</translation>
    </message>
    <message>
        <source>minimal rate</source>
        <translation>taxa mínima</translation>
    </message>
    <message>
        <source>street total %1</source>
        <translation>total na rua %1</translation>
    </message>
    <message>
        <source>sterilised owned</source>
        <translation>castradas com tutor</translation>
    </message>
    <message>
        <source>sterilised street</source>
        <translation>castradas de rua</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>custo</translation>
    </message>
    <message>
        <source>none: the run at %1 operations a year faults</source>
        <translation>nenhuma: a execução com %1 cirurgias por ano falha</translation>
    </message>
    <message>
        <source>none: the run at 100 % a year faults</source>
        <translation>nenhuma: a execução com 100 % ao ano falha</translation>
    </message>
    <message>
        <source>none (at %1 a year)</source>
        <translation>nenhuma (com %1 por ano)</translation>
    </message>
    <message>
        <source>none (at 100 %)</source>
        <translation>nenhuma (com 100 %)</translation>
    </message>
    <message>
        <source>Comparison of the scenarios</source>
        <translation>Comparação dos cenários</translation>
    </message>
    <message>
        <source>Every scenario is run on its own inputs and culling records and judged by the same target: its street total in %1 at most %2 % of its own street total in the year before its programme starts. Sterilisations and their cost (%3 an owned, %4 a street sterilisation) count from the programme&apos;s start to %1.</source>
        <translation>Cada cenário é executado com seus próprios dados e registros de eliminação e avaliado pela mesma meta: seu total na rua em %1 no máximo %2 % do seu próprio total na rua no ano anterior ao início do programa. As castrações e o custo (%3 por castração com tutor, %4 por castração de rua) contam do início do programa até %1.</translation>
    </message>
    <message>
        <source>A scenario whose run faults, and any beyond the eighth, is not drawn.</source>
        <translation>Um cenário cuja execução falha, e todos além do oitavo, não são desenhados.</translation>
    </message>
    <message>
        <source>No plan could be made for a street total in %1 at most %2 % of the baseline: %3</source>
        <translation>Não foi possível fazer um plano para um total na rua em %1 no máximo %2 % da linha de base: %3</translation>
    </message>
    <message>
        <source>Target: the street total in %1 at most %2 % of the baseline, %3 street females aged one and over in %4, the year before the programme starts. Costs: %5 an owned, %6 a street sterilisation. For each share of the programme aimed at owned dogs, the smallest yearly rate that meets the target, with its sterilisations from the start to %1 and their cost.</source>
        <translation>Meta: o total na rua em %1 no máximo %2 % da linha de base, %3 fêmeas de rua de um ano ou mais em %4, o ano anterior ao início do programa. Custos: %5 por castração com tutor, %6 por castração de rua. Para cada parcela do programa destinada a cães com tutor, a menor taxa anual que atinge a meta, com as castrações do início até %1 e o custo.</translation>
    </message>
    <message>
        <source>Cheapest programme that meets the target: %1 % aimed at owned dogs at %2 a year, cost %3.</source>
        <translation>Programa mais barato que atinge a meta: %1 % destinado a cães com tutor com %2 por ano, custo %3.</translation>
    </message>
    <message>
        <source>%1 operations</source>
        <translation>%1 cirurgias</translation>
    </message>
    <message>
        <source>No programme meets the target.</source>
        <translation>Nenhum programa atinge a meta.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Não foi possível gravar o relatório em %1.</translation>
    </message>
    <message>
        <source>Made with Karnoth on %1.</source>
        <translation>Feito com o Karnoth em %1.</translation>
    </message>
    <message>
        <source>Karnoth report: %1</source>
        <translation>Relatório do Karnoth: %1</translation>
    </message>
    <message>
        <source>The same inputs as the window.</source>
        <translation>Os mesmos dados da janela.</translation>
    </message>
    <message>
        <source>Differs from the window in: %1.</source>
        <translation>Difere da janela em: %1.</translation>
    </message>
    <message>
        <source>from %1 to %2, when it stops</source>
        <translation>de %1 a %2, quando termina</translation>
    </message>
    <message>
        <source>from %1 to %2, the last year projected</source>
        <translation>de %1 a %2, o último ano projetado</translation>
    </message>
    <message>
        <source>%1 operations a year</source>
        <translation>%1 cirurgias por ano</translation>
    </message>
    <message>
        <source>a yearly rate of %1 %</source>
        <translation>uma taxa anual de %1 %</translation>
    </message>
    <message>
        <source>Proposed: a sterilisation programme %1, at %2, %3 % aimed at owned dogs and %4 % at street dogs. It makes %5 operations in %6, its first year, and %7 a year on average.</source>
        <translation>Proposta: um programa de castração %1, com %2, %3 % destinado a cães com tutor e %4 % a cães de rua. Faz %5 cirurgias em %6, seu primeiro ano, e %7 por ano em média.</translation>
    </message>
    <message>
        <source>By %1, the target year, the street holds %2 females aged one and over: %3 % of the baseline, %4 in %5, the year before the programme starts. The target is at most %6 %.</source>
        <translation>Em %1, o ano da meta, a rua tem %2 fêmeas de um ano ou mais: %3 % da linha de base, %4 em %5, o ano anterior ao início do programa. A meta é no máximo %6 %.</translation>
    </message>
    <message>
        <source>From %1 to %2 it takes %3 operations on owned and %4 on street females. At %5 an owned and %6 a street operation, as the planner counts cost, that is %7.</source>
        <translation>De %1 a %2 faz %3 cirurgias em fêmeas com tutor e %4 em fêmeas de rua. A %5 por cirurgia com tutor e %6 por cirurgia de rua, como o planejador conta o custo, isso dá %7.</translation>
    </message>
    <message>
        <source>%1 % of %2&apos;s street dogs</source>
        <translation>%1 % dos cães de rua de %2</translation>
    </message>
    <message>
        <source>It reaches %1 in %2: meets the target of %3.</source>
        <translation>Chega a %1 em %2: atinge a meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 in %2, a year early: meets the target of %3.</source>
        <translation>Chega a %1 em %2, um ano antes: atinge a meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 in %2, %4 years early: meets the target of %3.</source>
        <translation>Chega a %1 em %2, %4 anos antes: atinge a meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 only in %2: misses the target of %3.</source>
        <translation>Chega a %1 só em %2: não atinge a meta de %3.</translation>
    </message>
    <message>
        <source>It does not reach %1 by %2: misses the target of %3.</source>
        <translation>Não chega a %1 até %2: não atinge a meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 in %2 but is above it again in %3: misses the target of %3.</source>
        <translation>Chega a %1 em %2 mas volta a ultrapassá-lo em %3: não atinge a meta de %3.</translation>
    </message>
    <message>
        <source>In %1, %2 % of the street females aged one and over are sterilised (the street coverage).</source>
        <translation>Em %1, %2 % das fêmeas de rua de um ano ou mais estão castradas (a cobertura na rua).</translation>
    </message>
    <message>
        <source>Once the programme stops after %1, the street is %2.</source>
        <translation>Quando o programa termina após %1, a rua está %2.</translation>
    </message>
    <message>
        <source>The street females aged one and over, fertile and sterilised. The model counts females only.</source>
        <translation>As fêmeas de rua de um ano ou mais, férteis e castradas. O modelo conta apenas fêmeas.</translation>
    </message>
    <message>
        <source>The fertile street females of breeding age: those that can have litters.</source>
        <translation>As fêmeas de rua férteis em idade reprodutiva: as que podem ter ninhadas.</translation>
    </message>
    <message>
        <source>The programme&apos;s sterilisations of owned and street females in a year.</source>
        <translation>As castrações de fêmeas com tutor e de rua feitas pelo programa em um ano.</translation>
    </message>
    <message>
        <source>The share of the street females aged one and over that are sterilised, at the end of a year.</source>
        <translation>A proporção das fêmeas de rua de um ano ou mais que estão castradas, ao fim de um ano.</translation>
    </message>
    <message>
        <source>programme rate</source>
        <translation>taxa do programa</translation>
    </message>
    <message>
        <source>The per cent of the fertile females the programme sterilises each year; or, when a number of operations a year is given, that number.</source>
        <translation>A porcentagem das fêmeas férteis que o programa castra a cada ano; ou, quando se dá um número de cirurgias por ano, esse número.</translation>
    </message>
    <message>
        <source>The per cent of the programme aimed at owned dogs; the rest is aimed at street dogs.</source>
        <translation>A porcentagem do programa destinada a cães com tutor; o restante é destinado a cães de rua.</translation>
    </message>
    <message>
        <source>baseline</source>
        <translation>linha de base</translation>
    </message>
    <message>
        <source>The street total in the year before the programme starts. The target is a per cent of it, to be reached by the target year.</source>
        <translation>O total na rua no ano anterior ao início do programa. A meta é uma porcentagem dele, a alcançar até o ano da meta.</translation>
    </message>
    <message>
        <source>rebound</source>
        <translation>rebote</translation>
    </message>
    <message>
        <source>After a programme stops, the street dogs come back: the rebound is the year the street total is again at %1 % of the baseline.</source>
        <translation>Depois que um programa termina, os cães de rua voltam: o rebote é o ano em que o total na rua está de novo em %1 % da linha de base.</translation>
    </message>
    <message>
        <source>Projection %1 to 2050</source>
        <translation>Projeção de %1 a 2050</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 a %3</translation>
    </message>
    <message>
        <source>year-to-year SD %1</source>
        <translation>DP interanual %1</translation>
    </message>
    <message>
        <source>whole dogs</source>
        <translation>cães inteiros</translation>
    </message>
    <message>
        <source>every replicate matched to the counted street dogs</source>
        <translation>cada réplica ajustada aos cães de rua contados</translation>
    </message>
    <message>
        <source>Chance of success: it cannot be told, allowing for what is uncertain (%1): %2.</source>
        <translation>Chance de sucesso: não é possível dizer, considerando o que é incerto (%1): %2.</translation>
    </message>
    <message>
        <source>Chance of success: allowing for what is uncertain (%1), the programme meets the target in %2 % of %3 valid replicates (of %4, seed %5).</source>
        <translation>Chance de sucesso: considerando o que é incerto (%1), o programa atinge a meta em %2 % de %3 réplicas válidas (de %4, semente %5).</translation>
    </message>
    <message>
        <source>in %1 % of futures</source>
        <translation>em %1 % dos futuros</translation>
    </message>
    <message>
        <source>no valid replicate</source>
        <translation>nenhuma réplica válida</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>No plan that holds in %1 % of futures: %2.</source>
        <translation>Não há plano que se mantenha em %1 % dos futuros: %2.</translation>
    </message>
    <message>
        <source>Plans that hold: with nothing uncertain set, the window&apos;s run alone decides, so the rates that hold are the minimal rates.</source>
        <translation>Planos que se mantêm: sem nada incerto definido, decide só a execução da janela, então as taxas que se mantêm são as taxas mínimas.</translation>
    </message>
    <message>
        <source>Plans that hold: for each owned share, the lowest rate at which at least %1 % of %2 futures drawn from the uncertainty settings meet the target.</source>
        <translation>Planos que se mantêm: para cada parcela com dono, a menor taxa com a qual pelo menos %1 % de %2 futuros sorteados pelos ajustes de incerteza atingem a meta.</translation>
    </message>
    <message>
        <source>Up to %1 of them fault at rate 0 and are left out of their share.</source>
        <translation>Até %1 deles falham à taxa 0 e ficam de fora da sua parcela.</translation>
    </message>
    <message>
        <source>rate %1</source>
        <translation>taxa %1</translation>
    </message>
    <message>
        <source>Cheapest that holds: owned share %1 %, %2, cost %3.</source>
        <translation>Mais barato que se mantém: parcela com dono %1 %, %2, custo %3.</translation>
    </message>
    <message>
        <source>No owned share meets the target in %1 % of futures.</source>
        <translation>Nenhuma parcela com dono atinge a meta em %1 % dos futuros.</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Tornado</name>
    <message>
        <source>%1 is 0, and a per cent of 0 moves nothing</source>
        <translation>%1 é 0, e uma porcentagem de 0 não move nada</translation>
    </message>
    <message>
        <source>%1 % higher %2</source>
        <translation>%2 %1 % maior</translation>
    </message>
    <message>
        <source>%1 % lower %2</source>
        <translation>%2 %1 % menor</translation>
    </message>
    <message>
        <source>%1: the run faults</source>
        <translation>%1: a execução falha</translation>
    </message>
    <message>
        <source>%1: %2 street dogs in %3</source>
        <translation>%1: %2 cães de rua em %3</translation>
    </message>
    <message>
        <source>%1 % more street dogs in %2</source>
        <translation>%1 % mais cães de rua em %2</translation>
    </message>
    <message>
        <source>%1 % fewer street dogs in %2</source>
        <translation>%1 % menos cães de rua em %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>fault at both ends</source>
        <translation>falha nos dois extremos</translation>
    </message>
    <message>
        <source>fault at the low end</source>
        <translation>falha no extremo inferior</translation>
    </message>
    <message>
        <source>fault at the high end</source>
        <translation>falha no extremo superior</translation>
    </message>
    <message>
        <source>street females aged one and over in %1</source>
        <translation>fêmeas de rua de um ano ou mais em %1</translation>
    </message>
    <message>
        <source>Street total in %1: no table</source>
        <translation>Total na rua em %1: sem tabela</translation>
    </message>
    <message>
        <source>Street total in %1: %2 females aged one and over; each input moved %3 % both ways</source>
        <translation>Total na rua em %1: %2 fêmeas de um ano ou mais; cada dado movido %3 % nos dois sentidos</translation>
    </message>
    <message>
        <source>input lowered by %1 %</source>
        <translation>dado reduzido em %1 %</translation>
    </message>
    <message>
        <source>input raised by %1 %</source>
        <translation>dado aumentado em %1 %</translation>
    </message>
    <message>
        <source>street total at the inputs as given</source>
        <translation>total na rua com os dados informados</translation>
    </message>
    <message>
        <source>elasticity</source>
        <translation>elasticidade</translation>
    </message>
    <message>
        <source>fault</source>
        <translation>falha</translation>
    </message>
    <message>
        <source>%1: %2, moved to %3 .. %4</source>
        <translation>%1: %2, movido para %3 .. %4</translation>
    </message>
    <message>
        <source>street total in %1: %2 .. %3 (%4 as given)</source>
        <translation>total na rua em %1: %2 .. %3 (%4 com os dados informados)</translation>
    </message>
    <message>
        <source>swing %1, elasticity %2</source>
        <translation>oscilação %1, elasticidade %2</translation>
    </message>
    <message>
        <source>low end: %1</source>
        <translation>extremo inferior: %1</translation>
    </message>
    <message>
        <source>high end: %1</source>
        <translation>extremo superior: %1</translation>
    </message>
</context>
</TS>
