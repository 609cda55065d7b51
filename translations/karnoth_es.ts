<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QFileDialog</name>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>karnoth::Chart</name>
    <message>
        <source>female pop. &gt;= 1 year (fecund in green)</source>
        <translation>hembras &gt;= 1 año (fértiles en verde)</translation>
    </message>
    <message>
        <source>sterilisations per year</source>
        <translation>esterilizaciones/año</translation>
    </message>
</context>
<context>
    <name>karnoth::InputCatalogue</name>
    <message>
        <source>adult survival</source>
        <translation>supervivencia adulta</translation>
    </message>
    <message>
        <source>The share of dogs aged one and over that live through a year.</source>
        <translation>La proporción de perros de un año o más que sobreviven un año.</translation>
    </message>
    <message>
        <source>a share per year (0.9 is 90 %)</source>
        <translation>una proporción por año (0.9 es 90 %)</translation>
    </message>
    <message>
        <source>juvenile survival</source>
        <translation>supervivencia juvenil</translation>
    </message>
    <message>
        <source>The share of street pups that live through their first year.</source>
        <translation>La proporción de cachorros callejeros que sobreviven su primer año.</translation>
    </message>
    <message>
        <source>a share per year</source>
        <translation>una proporción por año</translation>
    </message>
    <message>
        <source>; below the threshold shown beside it (1 / pups per yearling), or there is no steady state</source>
        <translation>; por debajo del umbral que se muestra al lado (1 / cachorras por hembra de un año), o no hay estado estacionario</translation>
    </message>
    <message>
        <source>age at first litter</source>
        <translation>edad al primer parto</translation>
    </message>
    <message>
        <source>The age at which a female has her first litter.</source>
        <translation>La edad a la que una hembra tiene su primera camada.</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>; a value below 1 becomes 1</source>
        <translation>; un valor menor que 1 pasa a ser 1</translation>
    </message>
    <message>
        <source>age at last litter</source>
        <translation>edad al último parto</translation>
    </message>
    <message>
        <source>The age at which a female has her last litter.</source>
        <translation>La edad a la que una hembra tiene su última camada.</translation>
    </message>
    <message>
        <source>, not below the age at first litter, at most 10 once rounded</source>
        <translation>, no menor que la edad al primer parto, como máximo 10 una vez redondeada</translation>
    </message>
    <message>
        <source>female pups per litter</source>
        <translation>cachorras por camada</translation>
    </message>
    <message>
        <source>The female pups in one litter (the model counts females only).</source>
        <translation>Las cachorras de una camada (el modelo solo cuenta hembras).</translation>
    </message>
    <message>
        <source>female pups</source>
        <translation>cachorras</translation>
    </message>
    <message>
        <source>prob. pregnant</source>
        <translation>prob. preñez</translation>
    </message>
    <message>
        <source>The probability that a female of breeding age is pregnant in a year.</source>
        <translation>La probabilidad de que una hembra en edad reproductiva quede preñada en un año.</translation>
    </message>
    <message>
        <source>a probability per year</source>
        <translation>una probabilidad por año</translation>
    </message>
    <message>
        <source>% owned dogs sterilised</source>
        <translation>% de perros con dueño esterilizados</translation>
    </message>
    <message>
        <source>The per cent of owned yearlings that their owners have sterilised already.</source>
        <translation>El porcentaje de hembras de un año con dueño que sus dueños ya han esterilizado.</translation>
    </message>
    <message>
        <source>per cent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>; from 70 on owned dogs cannot replace themselves</source>
        <translation>; desde 70 los perros con dueño no pueden reponerse</translation>
    </message>
    <message>
        <source>abandoned per year</source>
        <translation>abandonadas por año</translation>
    </message>
    <message>
        <source>The owned one-year-old females abandoned to the street each year at equilibrium; owners keep the rest of their yearlings.</source>
        <translation>Las hembras de un año con dueño abandonadas en la calle cada año en equilibrio; los dueños se quedan con el resto de sus hembras de un año.</translation>
    </message>
    <message>
        <source>females per year</source>
        <translation>hembras por año</translation>
    </message>
    <message>
        <source>sterilising starts in</source>
        <translation>la esterilización empieza en</translation>
    </message>
    <message>
        <source>The first year of the sterilisation programme.</source>
        <translation>El primer año del programa de esterilización.</translation>
    </message>
    <message>
        <source>a calendar year</source>
        <translation>un año del calendario</translation>
    </message>
    <message>
        <source>; the model runs from 1950 to 2050</source>
        <translation>; el modelo va de 1950 a 2050</translation>
    </message>
    <message>
        <source>times in first year</source>
        <translation>veces en el primer año</translation>
    </message>
    <message>
        <source>The programme&apos;s effort in its first year, as a multiple of its yearly rate.</source>
        <translation>El esfuerzo del programa en su primer año, como múltiplo de su tasa anual.</translation>
    </message>
    <message>
        <source>times</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>sterilisation rate</source>
        <translation>tasa de esterilización</translation>
    </message>
    <message>
        <source>The share of fertile females the programme sterilises each year, split between owned yearlings and street dogs by the owned share.</source>
        <translation>La proporción de hembras fértiles que el programa esteriliza cada año, repartida entre hembras de un año con dueño y perros callejeros según la parte con dueño.</translation>
    </message>
    <message>
        <source>per cent per year, in steps of 0.1 %</source>
        <translation>por ciento por año, en pasos de 0.1 %</translation>
    </message>
    <message>
        <source>share aimed at owned dogs</source>
        <translation>parte dirigida a perros con dueño</translation>
    </message>
    <message>
        <source>The per cent of the programme aimed at owned dogs (top of the bar); the rest goes to street dogs (bottom).</source>
        <translation>El porcentaje del programa dirigido a perros con dueño (arriba de la barra); el resto va a perros callejeros (abajo).</translation>
    </message>
    <message>
        <source>only 1-year olds</source>
        <translation>solo hembras de 1 año</translation>
    </message>
    <message>
        <source>Ticked, the street programme treats only one-year-olds; otherwise every street age from 1 to 10. Owned dogs are treated as yearlings either way.</source>
        <translation>Marcada, el programa en la calle trata solo hembras de un año; si no, todas las edades callejeras de 1 a 10. Los perros con dueño se tratan como hembras de un año en ambos casos.</translation>
    </message>
    <message>
        <source>ticked or not</source>
        <translation>marcada o no</translation>
    </message>
    <message>
        <source>dogs killed from</source>
        <translation>perros eliminados desde</translation>
    </message>
    <message>
        <source>The first year of culling. In each culling year the street dogs that killed.txt records for the year before are removed from the fertile street dogs aged 1 to 10.</source>
        <translation>El primer año de eliminación. En cada año de eliminación, los perros callejeros que killed.txt registra para el año anterior se retiran de los perros callejeros fértiles de 1 a 10 años.</translation>
    </message>
    <message>
        <source>; after 1950, since 1950 has no year before it</source>
        <translation>; después de 1950, ya que 1950 no tiene año anterior</translation>
    </message>
    <message>
        <source>dogs killed to</source>
        <translation>perros eliminados hasta</translation>
    </message>
    <message>
        <source>The last year of culling (inclusive).</source>
        <translation>El último año de eliminación (incluido).</translation>
    </message>
    <message>
        <source>intact females arriving per year</source>
        <translation>hembras enteras que llegan por año</translation>
    </message>
    <message>
        <source>Fertile yearling females that join the street from outside each year, before, during and after the programme. They arrive after the year&apos;s sterilising and breed in their first year.</source>
        <translation>Hembras fértiles de un año que llegan a la calle desde fuera cada año, antes, durante y después del programa. Llegan después de las esterilizaciones del año y crían en su primer año.</translation>
    </message>
    <message>
        <source>; empty is 0</source>
        <translation>; vacío es 0</translation>
    </message>
    <message>
        <source>street carrying capacity</source>
        <translation>capacidad de carga de la calle</translation>
    </message>
    <message>
        <source>The street females aged one and over that the town&apos;s food and shelter can hold. Street pups survive their first year less often as the street fills (sterilised dogs take space too), so a street that would grow settles near it.</source>
        <translation>Las hembras callejeras de un año o más que el alimento y el refugio del municipio pueden sostener. Los cachorros callejeros sobreviven menos su primer año a medida que la calle se llena (los perros esterilizados también ocupan espacio), así que una población que crecería se estabiliza cerca de ella.</translation>
    </message>
    <message>
        <source>females</source>
        <translation>hembras</translation>
    </message>
    <message>
        <source>; empty: pups&apos; survival does not depend on crowding</source>
        <translation>; vacío: la supervivencia de los cachorros no depende del hacinamiento</translation>
    </message>
    <message>
        <source>compensation</source>
        <translation>compensación</translation>
    </message>
    <message>
        <source>How sharply street pups&apos; survival falls near the carrying capacity: 1 falls smoothly as the street fills; 5 to 10 keeps it near its best below the capacity and drops it steeply above, so a small programme is absorbed.</source>
        <translation>Cuán bruscamente cae la supervivencia de los cachorros callejeros cerca de la capacidad de carga: con 1 cae suavemente a medida que la calle se llena; de 5 a 10 la mantiene cerca de su máximo por debajo de la capacidad y la hace caer en picado por encima, de modo que un programa pequeño queda absorbido.</translation>
    </message>
    <message>
        <source>an exponent</source>
        <translation>un exponente</translation>
    </message>
    <message>
        <source>; read only when a capacity is set</source>
        <translation>; solo se lee cuando hay una capacidad</translation>
    </message>
    <message>
        <source>sterilising stops after</source>
        <translation>la esterilización termina tras</translation>
    </message>
    <message>
        <source>The programme&apos;s last year; after it the population is left to rebound.</source>
        <translation>El último año del programa; después, la población queda libre para recuperarse.</translation>
    </message>
    <message>
        <source>, not before the start year; empty: the programme never stops</source>
        <translation>, no antes del año de inicio; vacío: el programa no termina nunca</translation>
    </message>
    <message>
        <source>sterilisations per year</source>
        <translation>esterilizaciones por año</translation>
    </message>
    <message>
        <source>The female sterilisations the programme does each year, in place of the rate bar; the owned share splits them. Operations the owned dogs cannot use are not moved to the street, and no year operates on more fertile dogs than there are.</source>
        <translation>Las esterilizaciones de hembras que el programa hace cada año, en lugar de la barra de tasa; la parte con dueño las reparte. Las operaciones que los perros con dueño no pueden usar no pasan a la calle, y ningún año se opera a más perros fértiles de los que hay.</translation>
    </message>
    <message>
        <source>operations per year</source>
        <translation>operaciones por año</translation>
    </message>
    <message>
        <source>; empty: the rate bar sets the programme</source>
        <translation>; vacío: la barra de tasa fija el programa</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>escala logarítmica</translation>
    </message>
    <message>
        <source>Ticked, the next run charts ln(dogs + 1), so its axis labels are logarithms; point at the chart to read the counts.</source>
        <translation>Marcada, la próxima ejecución dibuja ln(perros + 1), así que las etiquetas del eje son logaritmos; señale el gráfico para leer los recuentos.</translation>
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
        <translation>hembras enteras llegadas/año</translation>
    </message>
    <message>
        <source>street carrying capacity</source>
        <translation>capacidad de carga de la calle</translation>
    </message>
    <message>
        <source>compensation</source>
        <translation>compensación</translation>
    </message>
    <message>
        <source>sterilising stops after</source>
        <translation>la esterilización termina tras</translation>
    </message>
    <message>
        <source>sterilisations a year</source>
        <translation>esterilizaciones al año</translation>
    </message>
    <message>
        <source>owned dogs</source>
        <translation>con dueño</translation>
    </message>
    <message>
        <source>% owned dogs sterilised</source>
        <translation>% con dueño esterilizados</translation>
    </message>
    <message>
        <source>street dogs</source>
        <translation>callejeros</translation>
    </message>
    <message>
        <source>adult survival</source>
        <translation>supervivencia adulta</translation>
    </message>
    <message>
        <source>juvenile survival</source>
        <translation>supervivencia juvenil</translation>
    </message>
    <message>
        <source>age at first litter</source>
        <translation>edad 1.ª camada</translation>
    </message>
    <message>
        <source>age at last litter</source>
        <translation>edad última camada</translation>
    </message>
    <message>
        <source>female pups per litter</source>
        <translation>cachorras por camada</translation>
    </message>
    <message>
        <source>prob. pregnant</source>
        <translation>prob. de preñez</translation>
    </message>
    <message>
        <source>these parameters give</source>
        <translation>estos parámetros dan</translation>
    </message>
    <message>
        <source>survey</source>
        <translation>censo</translation>
    </message>
    <message>
        <source>control</source>
        <translation>control</translation>
    </message>
    <message>
        <source>dogs killed from</source>
        <translation>sacrificados de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>sterilising starts in</source>
        <translation>esterilización desde</translation>
    </message>
    <message>
        <source>only 1-year olds</source>
        <translation>solo de 1 año</translation>
    </message>
    <message>
        <source>times</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>in first year</source>
        <translation>1.er año</translation>
    </message>
    <message>
        <source>owned      target      street</source>
        <translation>dueño      meta      calle</translation>
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
        <translation>en %1: %2 esterilizaciones (%3 con dueño, %4 callejeras) de %5 al año</translation>
    </message>
    <message>
        <source>street coverage %1 % in %2</source>
        <translation>cobertura en la calle %1 % en %2</translation>
    </message>
    <message>
        <source>street coverage %1 % in %2, %3 % in %4</source>
        <translation>cobertura en la calle %1 % en %2, %3 % en %4</translation>
    </message>
    <message>
        <source>not back to %1 % of %2&apos;s street dogs by %3</source>
        <translation>no vuelve al %1 % de los perros callejeros de %2 antes de %3</translation>
    </message>
    <message>
        <source>back to %1 % of %2&apos;s street dogs in %3, %4 year after the programme stops</source>
        <translation>vuelve al %1 % de los perros callejeros de %2 en %3, %4 año después de que termine el programa</translation>
    </message>
    <message>
        <source>back to %1 % of %2&apos;s street dogs in %3, %4 years after the programme stops</source>
        <translation>vuelve al %1 % de los perros callejeros de %2 en %3, %4 años después de que termine el programa</translation>
    </message>
    <message>
        <source>the last run stopped: %1; the chart shows the run before it</source>
        <translation>la última ejecución se detuvo: %1; el gráfico muestra la ejecución anterior</translation>
    </message>
    <message>
        <source>adult survival must differ from 1: the breeding years divide by 1 - adult survival</source>
        <translation>la supervivencia adulta debe ser distinta de 1: los años reproductivos se dividen por 1 - supervivencia adulta</translation>
    </message>
    <message>
        <source>With %1% of owned yearlings sterilised by their owners, owned dogs cannot replace themselves, so there is no steady state to start from. Keep it below %2%.</source>
        <translation>Con el %1% de las hembras de un año con dueño esterilizadas por sus dueños, los perros con dueño no pueden reponerse, así que no hay estado estacionario del que partir. Manténgalo por debajo del %2%.</translation>
    </message>
    <message>
        <source>juvenile survival %1 is at or above the threshold 1 / pups per yearling = %2: street pups would more than replace themselves, so there is no steady state to start from. Keep it below %2.</source>
        <translation>la supervivencia juvenil %1 está en el umbral 1 / cachorras por hembra de un año = %2 o por encima: los cachorros callejeros más que se repondrían, así que no hay estado estacionario del que partir. Manténgala por debajo de %2.</translation>
    </message>
    <message>
        <source>at least 0</source>
        <translation>como mínimo 0</translation>
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
        <translation>como mínimo 0 y menos de 1</translation>
    </message>
    <message>
        <source>0 to 1000</source>
        <translation>de 0 a 1000</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>más de 0</translation>
    </message>
    <message>
        <source>above 0 and at most 20</source>
        <translation>más de 0 y como máximo 20</translation>
    </message>
    <message>
        <source>adult survival</source>
        <translation>supervivencia adulta</translation>
    </message>
    <message>
        <source>juvenile survival</source>
        <translation>supervivencia juvenil</translation>
    </message>
    <message>
        <source>age at first litter</source>
        <translation>edad al primer parto</translation>
    </message>
    <message>
        <source>age at last litter</source>
        <translation>edad al último parto</translation>
    </message>
    <message>
        <source>prob. pregnant</source>
        <translation>prob. preñez</translation>
    </message>
    <message>
        <source>female pups per litter</source>
        <translation>cachorras por camada</translation>
    </message>
    <message>
        <source>% owned dogs sterilised</source>
        <translation>% de perros con dueño esterilizados</translation>
    </message>
    <message>
        <source>times in first year</source>
        <translation>veces en el primer año</translation>
    </message>
    <message>
        <source>abandoned per year</source>
        <translation>abandonadas por año</translation>
    </message>
    <message>
        <source>sterilisation rate (tenths of a %)</source>
        <translation>tasa de esterilización (décimas de %)</translation>
    </message>
    <message>
        <source>share aimed at owned dogs (%)</source>
        <translation>parte dirigida a perros con dueño (%)</translation>
    </message>
    <message>
        <source>sterilising starts in</source>
        <translation>la esterilización empieza en</translation>
    </message>
    <message>
        <source>dogs killed from</source>
        <translation>perros eliminados desde</translation>
    </message>
    <message>
        <source>dogs killed to</source>
        <translation>perros eliminados hasta</translation>
    </message>
    <message>
        <source>females arriving per year</source>
        <translation>hembras que llegan por año</translation>
    </message>
    <message>
        <source>street carrying capacity</source>
        <translation>capacidad de carga de la calle</translation>
    </message>
    <message>
        <source>compensation</source>
        <translation>compensación</translation>
    </message>
    <message>
        <source>sterilising stops after</source>
        <translation>la esterilización termina tras</translation>
    </message>
    <message>
        <source>sterilisations per year</source>
        <translation>esterilizaciones por año</translation>
    </message>
    <message>
        <source>an input</source>
        <translation>un dato</translation>
    </message>
    <message>
        <source>%1 %2 is outside its range: %3</source>
        <translation>%1 %2 está fuera de su rango: %3</translation>
    </message>
    <message>
        <source>%1 %2 is outside its range: not below the age at first litter (%3)</source>
        <translation>%1 %2 está fuera de su rango: no menor que la edad al primer parto (%3)</translation>
    </message>
    <message>
        <source>%1 %2 is outside its range: not before the start year (%3)</source>
        <translation>%1 %2 está fuera de su rango: no antes del año de inicio (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is too large a number</source>
        <translation>%1: %2 es un número demasiado grande</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 no es un número</translation>
    </message>
    <message>
        <source>%1: %2 lies outside %3</source>
        <translation>%1: %2 está fuera de %3</translation>
    </message>
    <message>
        <source>the whole numbers -32768 to 32767</source>
        <translation>los números enteros de -32768 a 32767</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a file</source>
        <translation>es una tubería (FIFO), no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 1-year old females abandoned per year</source>
        <translation>%1 hembras de 1 año dejadas al año</translation>
    </message>
    <message>
        <source>juv survival, &lt; %1</source>
        <translation>superv. juvenil, &lt; %1</translation>
    </message>
    <message>
        <source>expected lifespan at birth = %1</source>
        <translation>esperanza de vida al nacer = %1</translation>
    </message>
    <message>
        <source>expected lifespan at one year = %1</source>
        <translation>esperanza de vida al año = %1</translation>
    </message>
    <message>
        <source>intrinsic doubling time %1 years, 1st year survival %2</source>
        <translation>duplicación intrínseca en %1 años, superv. 1.er año %2</translation>
    </message>
    <message>
        <source>%1 currently sterilised per year</source>
        <translation>%1 esterilizadas al año actualmente</translation>
    </message>
    <message>
        <source>%1 extra sterilisations in first year, %2 in owned (%3%), %4 in street population (%5%)</source>
        <translation>%1 esterilizaciones más el 1.er año, %2 con dueño (%3%), %4 en la calle (%5%)</translation>
    </message>
    <message>
        <source>The simulation suggests %1 females in the 2005 street population, of which %2% were surviving abandoned dogs, and that the year 2005 population was %3% of the year 2000 population</source>
        <translation>La simulación sugiere %1 hembras en la población callejera de 2005, de las cuales el %2% eran perras abandonadas supervivientes, y que la población de 2005 era el %3% de la de 2000</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::AnalysisView</name>
    <message>
        <source>How far the computation has come</source>
        <translation>Cuánto ha avanzado el cálculo</translation>
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
        <translation>Guardar el gráfico, con los datos con que se calculó, como imagen PNG</translation>
    </message>
    <message>
        <source>Export &amp;SVG...</source>
        <translation>Exportar &amp;SVG...</translation>
    </message>
    <message>
        <source>Save the chart, with the inputs it was computed on, as an SVG drawing</source>
        <translation>Guardar el gráfico, con los datos con que se calculó, como dibujo SVG</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
        <source>Save the figures behind the chart as CSV, for a spreadsheet</source>
        <translation>Guardar las cifras del gráfico como CSV, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>The computation stopped: %1</source>
        <translation>El cálculo se detuvo: %1</translation>
    </message>
    <message>
        <source>No run has read the window&apos;s inputs yet: press Run.</source>
        <translation>Ninguna ejecución ha leído aún los datos de la ventana: pulse Run.</translation>
    </message>
    <message>
        <source>The last run stopped before it read every input: %1</source>
        <translation>La última ejecución se detuvo antes de leer todos los datos: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the computation; the chart keeps the last result</source>
        <translation>Detener el cálculo; el gráfico conserva el último resultado</translation>
    </message>
    <message>
        <source>Computing...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Compute again on the inputs of the window&apos;s last run</source>
        <translation>Calcular de nuevo con los datos de la última ejecución de la ventana</translation>
    </message>
    <message>
        <source>Stopped: the chart shows the last result. Recompute, run the window or change an input to start again.</source>
        <translation>Detenido: el gráfico muestra el último resultado. Recalcule, ejecute la ventana o cambie un dato para empezar de nuevo.</translation>
    </message>
    <message>
        <source>There is nothing to export yet.</source>
        <translation>Todavía no hay nada que exportar.</translation>
    </message>
    <message>
        <source>Export %1 as PNG</source>
        <translation>Exportar %1 como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Export %1 as SVG</source>
        <translation>Exportar %1 como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export %1 as CSV</source>
        <translation>Exportar %1 como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::AnalysisViewActions</name>
    <message>
        <source>&amp;Sensitivity...</source>
        <translation>&amp;Sensibilidad...</translation>
    </message>
    <message>
        <source>Which inputs the street total hangs on: each moved down and up, as a tornado chart</source>
        <translation>De qué datos depende el total en la calle: cada uno bajado y subido, como gráfico de tornado</translation>
    </message>
    <message>
        <source>&amp;Uncertainty...</source>
        <translation>&amp;Incertidumbre...</translation>
    </message>
    <message>
        <source>How wide the range of outcomes is: replicates with uncertain inputs and chance, as bands</source>
        <translation>Cuán amplio es el abanico de resultados: réplicas con datos inciertos y azar, como bandas</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::BackgroundJob</name>
    <message>
        <source>the computation stopped with an unknown error</source>
        <translation>el cálculo se detuvo con un error desconocido</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::CalibrationBox</name>
    <message>
        <source>Match a count</source>
        <translation>Ajustar a un recuento</translation>
    </message>
    <message>
        <source>The year of the survey, %1 to %2.</source>
        <translation>El año del censo, de %1 a %2.</translation>
    </message>
    <message>
        <source>The street females aged one and over counted in the survey year (above 0).</source>
        <translation>Las hembras callejeras de un año o más contadas en el año del censo (más de 0).</translation>
    </message>
    <message>
        <source>Abandoned per year</source>
        <translation>Abandonadas por año</translation>
    </message>
    <message>
        <source>Immigrants per year</source>
        <translation>Inmigrantes por año</translation>
    </message>
    <message>
        <source>Carrying capacity</source>
        <translation>Capacidad de carga</translation>
    </message>
    <message>
        <source>The input to adjust: the number abandoned per year (whole females, %1 to %2), the intact females arriving per year (whole, 0 to %3) or the street carrying capacity (whole females, 1 to %4, at most three significant figures).</source>
        <translation>El dato que se ajusta: las abandonadas por año (hembras enteras, de %1 a %2), las hembras enteras que llegan por año (enteras, de 0 a %3) o la capacidad de carga de la calle (hembras enteras, de 1 a %4, como máximo tres cifras significativas).</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Set the chosen input to the value whose run gives the street total nearest to the count in the survey year. Edit → Undo in the main window reverts it.</source>
        <translation>Fija el dato elegido en el valor cuya ejecución da el total en la calle más cercano al recuento en el año del censo. Editar → Deshacer en la ventana principal lo revierte.</translation>
    </message>
    <message>
        <source>Survey y&amp;ear</source>
        <translation>A&amp;ño del censo</translation>
    </message>
    <message>
        <source>&amp;Counted street females</source>
        <translation>&amp;Hembras callejeras contadas</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Dato a ajustar</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::CaptionLabel</name>
    <message>
        <source>Not updated: an input changed after the run that wrote this. Press Run.</source>
        <translation>No actualizado: un dato cambió después de la ejecución que escribió esto. Pulse Run.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ChartView</name>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>No se pudo guardar el gráfico como %1.</translation>
    </message>
    <message>
        <source>Karnoth chart</source>
        <translation>Gráfico de Karnoth</translation>
    </message>
    <message>
        <source>There is no yearly data to copy: no run has finished yet.</source>
        <translation>No hay datos anuales que copiar: ninguna ejecución ha terminado aún.</translation>
    </message>
    <message>
        <source>The clipboard is not available.</source>
        <translation>El portapapeles no está disponible.</translation>
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
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Export chart as SVG</source>
        <translation>Exportar gráfico como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
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
        <translation>Copiar datos anuales</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::FormWindow</name>
    <message>
        <source>Run the model on the inputs as they are now (Enter).</source>
        <translation>Ejecutar el modelo con los datos tal como están ahora (Intro).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
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
        <translation>Exportar gráfico como &amp;SVG...</translation>
    </message>
    <message>
        <source>&amp;Copy yearly data</source>
        <translation>C&amp;opiar datos anuales</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>The last run&apos;s yearly series as CSV, for a spreadsheet.</source>
        <translation>Las series anuales de la última ejecución como CSV, para una hoja de cálculo.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Gridlines</source>
        <translation>&amp;Cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Leyenda</translation>
    </message>
    <message>
        <source>Street &amp;coverage</source>
        <translation>C&amp;obertura en la calle</translation>
    </message>
    <message>
        <source>Chart the share of street females sterilised, 0 to 100 %, beside the counts.</source>
        <translation>Dibujar la proporción de hembras callejeras esterilizadas, de 0 a 100 %, junto a los recuentos.</translation>
    </message>
    <message>
        <source>&amp;Keep scale</source>
        <translation>&amp;Mantener escala</translation>
    </message>
    <message>
        <source>Chart the next runs against this run&apos;s scales, so that fewer dogs show as a lower curve; untick to fit each run again.</source>
        <translation>Dibujar las próximas ejecuciones con las escalas de esta, para que menos perros se vean como una curva más baja; desmarque para ajustar cada ejecución de nuevo.</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nálisis</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About the &amp;model</source>
        <translation>Acerca del &amp;modelo</translation>
    </message>
    <message>
        <source>&amp;About Karnoth</source>
        <translation>Acerca de &amp;Karnoth</translation>
    </message>
    <message>
        <source>About Karnoth</source>
        <translation>Acerca de Karnoth</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Karnoth&lt;/b&gt; projects the owned and street female dogs of a town from 1950 to 2050 under abandonment, owners&apos; sterilisation, culling and a sterilisation programme, for those who plan dog-population programmes.&lt;/p&gt;&lt;p&gt;Press F1 for what every input means.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Karnoth&lt;/b&gt; proyecta las perras con dueño y callejeras de un municipio de 1950 a 2050 con abandono, esterilización por los dueños, eliminación y un programa de esterilización, para quienes planifican programas de población canina.&lt;/p&gt;&lt;p&gt;Pulse F1 para ver qué significa cada dato.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sin título</translation>
    </message>
    <message>
        <source>Karnoth — %1[*]</source>
        <translation>Karnoth — %1[*]</translation>
    </message>
    <message>
        <source>&amp;First year shown</source>
        <translation>&amp;Primer año mostrado</translation>
    </message>
    <message>
        <source>1950</source>
        <translation>1950</translation>
    </message>
    <message>
        <source>Ten years before the programme starts</source>
        <translation>Diez años antes del inicio del programa</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::GridMapView</name>
    <message>
        <source>updating…</source>
        <translation>actualizando…</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::HelpDialog</name>
    <message>
        <source>About the model</source>
        <translation>Acerca del modelo</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::InputHistory</name>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
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
        <translation>El nuevo idioma se aplica la próxima vez que se inicie Karnoth.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlanHeatMapView</name>
    <message>
        <source>Each cell is one programme: its yearly rate across, its share aimed at owned dogs up. Point at a cell for its figures; click it to set the main window&apos;s bars to it.</source>
        <translation>Cada celda es un programa: su tasa anual en horizontal, su parte dirigida a perros con dueño en vertical. Señale una celda para ver sus cifras; haga clic para llevar a ella las barras de la ventana principal.</translation>
    </message>
    <message>
        <source>Computing the plan…</source>
        <translation>Calculando el plan…</translation>
    </message>
    <message>
        <source>The heat map could not be saved as %1.</source>
        <translation>No se pudo guardar el mapa de calor como %1.</translation>
    </message>
    <message>
        <source>Karnoth plan</source>
        <translation>Plan de Karnoth</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlanSettingsBox</name>
    <message>
        <source>Target and costs</source>
        <translation>Meta y costos</translation>
    </message>
    <message>
        <source>The year the street total is judged in: from the programme&apos;s start year to %1.</source>
        <translation>El año en que se juzga el total en la calle: desde el año de inicio del programa hasta %1.</translation>
    </message>
    <message>
        <source>A programme meets the target when the street total (females aged one and over) in the target year is at most this percentage of the baseline, the street total in the year before the programme starts. Above 0; 100 or more is allowed.</source>
        <translation>Un programa cumple la meta cuando el total en la calle (hembras de un año o más) en el año meta es como máximo este porcentaje de la línea de base, el total en la calle del año anterior al inicio del programa. Más de 0; se admite 100 o más.</translation>
    </message>
    <message>
        <source>The cost of one sterilisation of an owned dog, in any unit (1 counts operations).</source>
        <translation>El costo de una esterilización de un perro con dueño, en cualquier unidad (1 cuenta operaciones).</translation>
    </message>
    <message>
        <source>The cost of one sterilisation of a street dog, in any unit (1 counts operations).</source>
        <translation>El costo de una esterilización de un perro callejero, en cualquier unidad (1 cuenta operaciones).</translation>
    </message>
    <message>
        <source>The grid&apos;s shares aimed at owned dogs run 0, step, 2 × step, ... up to 100 %. A smaller step means more rows and a longer computation.</source>
        <translation>Las partes con dueño de la cuadrícula van 0, paso, 2 × paso, ... hasta 100 %. Un paso menor da más filas y un cálculo más largo.</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Valores iniciales</translation>
    </message>
    <message>
        <source>Ten years after the programme&apos;s start, 50 %, costs 1 and 1, steps of 5 %; the target year then follows the start year.</source>
        <translation>Diez años después del inicio del programa, 50 %, costos 1 y 1, pasos de 5 %; el año meta sigue entonces al año de inicio.</translation>
    </message>
    <message>
        <source>Target &amp;year</source>
        <translation>&amp;Año meta</translation>
    </message>
    <message>
        <source>At &amp;most (of the baseline)</source>
        <translation>Como &amp;máximo (de la línea de base)</translation>
    </message>
    <message>
        <source>Cost of one &amp;owned sterilisation</source>
        <translation>Costo de una esterilización con &amp;dueño</translation>
    </message>
    <message>
        <source>Cost of one &amp;street sterilisation</source>
        <translation>Costo de una esterilización &amp;callejera</translation>
    </message>
    <message>
        <source>Owned-share s&amp;tep</source>
        <translation>&amp;Paso de la parte con dueño</translation>
    </message>
    <message>
        <source>(following the start year)</source>
        <translation>(sigue al año de inicio)</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>For each owned share, the rate that meets the target in at least this share of the futures the uncertainty settings draw (Analysis → Uncertainty: ranges, year-to-year SD, whole dogs), shown as a map of probabilities. Off, or 50 to 99 %; 90 % until you set it when those settings draw anything.</source>
        <translation>Para cada parte con dueño, la tasa que cumple el objetivo en al menos esta parte de los futuros que sortean los ajustes de incertidumbre (Análisis → Incertidumbre: rangos, DE de un año a otro, perros enteros), mostrada como un mapa de probabilidades. No, o de 50 a 99 %; 90 % hasta que la fije, cuando esos ajustes sortean algo.</translation>
    </message>
    <message>
        <source>Co&amp;nfidence</source>
        <translation>Co&amp;nfianza</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlanTable</name>
    <message>
        <source>Owned
share</source>
        <translation>Parte con
dueño</translation>
    </message>
    <message>
        <source>Minimal
rate</source>
        <translation>Tasa
mínima</translation>
    </message>
    <message>
        <source>Street
total</source>
        <translation>Total en
la calle</translation>
    </message>
    <message>
        <source>Sterilised
owned</source>
        <translation>Esterilizadas
con dueño</translation>
    </message>
    <message>
        <source>Sterilised
street</source>
        <translation>Esterilizadas
callejeras</translation>
    </message>
    <message>
        <source>Sterilised
in all</source>
        <translation>Esterilizadas
en total</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Operations
first year</source>
        <translation>Operaciones
primer año</translation>
    </message>
    <message>
        <source>Operations a
year (mean)</source>
        <translation>Operaciones al
año (media)</translation>
    </message>
    <message>
        <source>Street
coverage %</source>
        <translation>Cobertura en
la calle %</translation>
    </message>
    <message>
        <source>For each share aimed at owned dogs, the smallest yearly rate that meets the target, with its street total in the target year, its sterilisations over the programme&apos;s years and their cost, the operations a year it implies and the share of street females sterilised in the target year. With sterilisations per year set in the main window, the smallest number of operations a year instead of the rate. Double-click a row (or press Enter on it) to set the main window&apos;s bars to it.</source>
        <translation>Para cada parte dirigida a perros con dueño, la menor tasa anual que cumple la meta, con su total en la calle en el año meta, sus esterilizaciones durante los años del programa y su costo, las operaciones al año que implica y la proporción de hembras callejeras esterilizadas en el año meta. Con esterilizaciones por año fijadas en la ventana principal, el menor número de operaciones al año en lugar de la tasa. Haga doble clic en una fila (o pulse Intro sobre ella) para llevar a ella las barras de la ventana principal.</translation>
    </message>
    <message>
        <source>Minimal operations
a year</source>
        <translation>Operaciones mínimas
al año</translation>
    </message>
    <message>
        <source>Street total
%1</source>
        <translation>Total en la calle
%1</translation>
    </message>
    <message>
        <source>Street coverage
%1, %</source>
        <translation>Cobertura en la calle
%1, %</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>No number of operations meets the target; the figures are those at %1 a year.</source>
        <translation>Ningún número de operaciones cumple la meta; las cifras son las de %1 al año.</translation>
    </message>
    <message>
        <source>No number of operations meets the target, and the run at %1 a year faults.</source>
        <translation>Ningún número de operaciones cumple la meta, y la ejecución con %1 al año falla.</translation>
    </message>
    <message>
        <source>No rate meets the target; the figures are those at 100 %.</source>
        <translation>Ninguna tasa cumple la meta; las cifras son las de 100 %.</translation>
    </message>
    <message>
        <source>No rate meets the target, and the run at 100 % faults.</source>
        <translation>Ninguna tasa cumple la meta, y la ejecución con 100 % falla.</translation>
    </message>
    <message>
        <source>%1 (%2 a month)</source>
        <translation>%1 (%2 al mes)</translation>
    </message>
    <message>
        <source>The cheapest programme of the whole grid aims %1 % at owned dogs: %2 a year, cost %3.</source>
        <translation>El programa más barato de toda la cuadrícula dirige el %1 % a perros con dueño: %2 al año, costo %3.</translation>
    </message>
    <message>
        <source>rate %1</source>
        <translation>tasa %1</translation>
    </message>
    <message>
        <source>Operations at
%1 %</source>
        <translation>Operaciones
al %1 %</translation>
    </message>
    <message>
        <source>Rate at
%1 %</source>
        <translation>Tasa al
%1 %</translation>
    </message>
    <message>
        <source>%1 of %2 replicates fault at rate 0 for this share and are left out.</source>
        <translation>%1 de %2 réplicas fallan a tasa 0 en esta parte y se dejan fuera.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::Planner</name>
    <message>
        <source>Abandoned per year set to %1: the street total in %2 is %3, %4.</source>
        <translation>Abandonadas por año fijadas en %1: el total en la calle en %2 es %3, %4.</translation>
    </message>
    <message>
        <source>No value of the abandonment bar reaches the count; this is the nearest it can give.</source>
        <translation>Ningún valor de la barra de abandono alcanza el recuento; este es el más cercano que da.</translation>
    </message>
    <message>
        <source>Immigrants per year set to %1: the street total in %2 is %3, %4.</source>
        <translation>Inmigrantes por año fijados en %1: el total en la calle en %2 es %3, %4.</translation>
    </message>
    <message>
        <source>No number of immigrants from 0 to 30,000 reaches the count; this is the nearest they give.</source>
        <translation>Ningún número de inmigrantes de 0 a 30,000 alcanza el recuento; este es el más cercano que dan.</translation>
    </message>
    <message>
        <source>Carrying capacity set to %1: the street total in %2 is %3, %4.</source>
        <translation>Capacidad de carga fijada en %1: el total en la calle en %2 es %3, %4.</translation>
    </message>
    <message>
        <source>No carrying capacity from 1 to 10,000,000 reaches the count; this is the nearest it gives.</source>
        <translation>Ninguna capacidad de carga de 1 a 10,000,000 alcanza el recuento; este es el más cercano que da.</translation>
    </message>
    <message>
        <source>rate %1</source>
        <translation>tasa %1</translation>
    </message>
    <message>
        <source>street total in %1: %2, %3 % of the baseline</source>
        <translation>total en la calle en %1: %2, el %3 % de la línea de base</translation>
    </message>
    <message>
        <source>sterilisations %1–%2: %3 owned, %4 street, %5 in all</source>
        <translation>esterilizaciones %1–%2: %3 con dueño, %4 callejeras, %5 en total</translation>
    </message>
    <message>
        <source>cost %1</source>
        <translation>costo %1</translation>
    </message>
    <message>
        <source>operations a year: %1 in %2, %3 on average over the programme&apos;s years</source>
        <translation>operaciones al año: %1 en %2, %3 en promedio durante los años del programa</translation>
    </message>
    <message>
        <source>street coverage in %1: %2 %</source>
        <translation>cobertura en la calle en %1: %2 %</translation>
    </message>
    <message>
        <source>%1 operations</source>
        <translation>%1 operaciones</translation>
    </message>
    <message>
        <source>about %1 operations a month</source>
        <translation>unas %1 operaciones al mes</translation>
    </message>
    <message>
        <source>%1 a year, %2 % aimed at owned dogs</source>
        <translation>%1 al año, el %2 % dirigido a perros con dueño</translation>
    </message>
    <message>
        <source>the run faults: %1</source>
        <translation>la ejecución falla: %1</translation>
    </message>
    <message>
        <source>meets the target</source>
        <translation>cumple la meta</translation>
    </message>
    <message>
        <source>misses the target</source>
        <translation>no cumple la meta</translation>
    </message>
    <message>
        <source>No plan: %1</source>
        <translation>Sin plan: %1</translation>
    </message>
    <message>
        <source>Baseline: %1 street females aged one and over in %2; the target is at most %3 (%4 %) in %5.</source>
        <translation>Línea de base: %1 hembras callejeras de un año o más en %2; la meta es como máximo %3 (%4 %) en %5.</translation>
    </message>
    <message>
        <source>No programme on the grid meets the target.</source>
        <translation>Ningún programa de la cuadrícula cumple la meta.</translation>
    </message>
    <message>
        <source>Cheapest: %1 a year (%2), %3 % aimed at owned dogs, cost %4 (%5 owned and %6 street sterilisations).</source>
        <translation>El más barato: %1 al año (%2), el %3 % dirigido a perros con dueño, costo %4 (%5 esterilizaciones con dueño y %6 callejeras).</translation>
    </message>
    <message>
        <source>That is above the minimal %1 of its share: a faster programme reaches the target with fewer operations in all.</source>
        <translation>Está por encima del mínimo de %1 de su parte: un programa más rápido alcanza la meta con menos operaciones en total.</translation>
    </message>
    <message>
        <source>exactly the count of %1</source>
        <translation>exactamente el recuento de %1</translation>
    </message>
    <message>
        <source>%1 above the count of %2</source>
        <translation>%1 por encima del recuento de %2</translation>
    </message>
    <message>
        <source>%1 below the count of %2</source>
        <translation>%1 por debajo del recuento de %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>every replicate faults at rate 0 for this share</source>
        <translation>todas las réplicas fallan a tasa 0 en esta parte</translation>
    </message>
    <message>
        <source>meets the target in %1 % of %2 valid replicates</source>
        <translation>cumple el objetivo en el %1 % de %2 réplicas válidas</translation>
    </message>
    <message>
        <source>%1 replicates fault at rate 0 and are left out</source>
        <translation>%1 réplicas fallan a tasa 0 y se dejan fuera</translation>
    </message>
    <message>
        <source>No plan at %1 %: %2</source>
        <translation>Sin plan al %1 %: %2</translation>
    </message>
    <message>
        <source>Cheapest at %1 %: owned share %2 %, %3, cost %4.</source>
        <translation>Lo más barato al %1 %: parte con dueño %2 %, %3, coste %4.</translation>
    </message>
    <message>
        <source>No owned share meets the target in %1 % of the replicates.</source>
        <translation>Ninguna parte con dueño cumple el objetivo en el %1 % de las réplicas.</translation>
    </message>
    <message>
        <source>Up to %1 of %2 replicates fault at rate 0 and are left out of their share.</source>
        <translation>Hasta %1 de %2 réplicas fallan a tasa 0 y se dejan fuera de su parte.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlannerActions</name>
    <message>
        <source>&amp;Planner...</source>
        <translation>&amp;Planificador...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Which programme rate and owned share reach a target, and at what cost.</source>
        <translation>Qué tasa del programa y qué parte con dueño alcanzan una meta, y a qué costo.</translation>
    </message>
    <message>
        <source>&amp;Match a count...</source>
        <translation>&amp;Ajustar a un recuento...</translation>
    </message>
    <message>
        <source>Set the number abandoned per year so that the street total matches a survey&apos;s count.</source>
        <translation>Fijar las abandonadas por año para que el total en la calle coincida con el recuento de un censo.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::PlannerWindow</name>
    <message>
        <source>There is no plan to export yet.</source>
        <translation>Todavía no hay ningún plan que exportar.</translation>
    </message>
    <message>
        <source>Karnoth — Planner</source>
        <translation>Karnoth — Planificador</translation>
    </message>
    <message>
        <source>The figures of the cell under the pointer.</source>
        <translation>Las cifras de la celda bajo el puntero.</translation>
    </message>
    <message>
        <source>computing the grid: %p %</source>
        <translation>calculando la cuadrícula: %p %</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>The inputs changed before a match was found; press Match again.</source>
        <translation>Los datos cambiaron antes de encontrar un ajuste; pulse Ajustar otra vez.</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <translation>Sin ajuste: %1</translation>
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
        <translation>Imágenes PNG (*.png)</translation>
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
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>&amp;Table as CSV...</source>
        <translation>&amp;Tabla como CSV...</translation>
    </message>
    <message>
        <source>Export table as CSV</source>
        <translation>Exportar tabla como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Grid as CSV...</source>
        <translation>C&amp;uadrícula como CSV...</translation>
    </message>
    <message>
        <source>Export every cell as CSV</source>
        <translation>Exportar todas las celdas como CSV</translation>
    </message>
    <message>
        <source>Save the heat map as a picture, or the table or every cell of the grid as CSV (the columns of karnoth-cli&apos;s plan).</source>
        <translation>Guardar el mapa de calor como imagen, o la tabla o todas las celdas de la cuadrícula como CSV (las columnas del plan de karnoth-cli).</translation>
    </message>
    <message>
        <source>the main window has not run yet</source>
        <translation>la ventana principal aún no se ha ejecutado</translation>
    </message>
    <message>
        <source>the main window&apos;s last run stopped before it read every input: %1</source>
        <translation>la última ejecución de la ventana principal se detuvo antes de leer todos los datos: %1</translation>
    </message>
    <message>
        <source>Choose %1 a year and %2 % owned from the planner</source>
        <translation>Elegir %1 al año y %2 % con dueño desde el planificador</translation>
    </message>
    <message>
        <source>Choose rate %1 and %2 % owned from the planner</source>
        <translation>Elegir tasa %1 y %2 % con dueño desde el planificador</translation>
    </message>
    <message>
        <source>No count can be matched: the main window&apos;s last run stopped before it read every input.</source>
        <translation>No se puede ajustar ningún recuento: la última ejecución de la ventana principal se detuvo antes de leer todos los datos.</translation>
    </message>
    <message>
        <source>No count can be matched: %1</source>
        <translation>No se puede ajustar ningún recuento: %1</translation>
    </message>
    <message>
        <source>Match a count of %1 in %2</source>
        <translation>Ajustar a un recuento de %1 en %2</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>Pro&amp;bability</source>
        <translation>Pro&amp;babilidad</translation>
    </message>
    <message>
        <source>The share of the uncertainty settings&apos; replicates that meet the target at each rate and share; set a confidence to compute it.</source>
        <translation>La parte de las réplicas de los ajustes de incertidumbre que cumplen el objetivo en cada tasa y parte; fije una confianza para calcularla.</translation>
    </message>
    <message>
        <source>computing the probabilities: %p %</source>
        <translation>calculando las probabilidades: %p %</translation>
    </message>
    <message>
        <source>Street tota&amp;l</source>
        <translation>Tota&amp;l en la calle</translation>
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
        <translation>desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>Draw %1 for each replicate from a uniform range, spread evenly over the replicates (Latin hypercube)</source>
        <translation>Tomar %1 para cada réplica de un rango uniforme, repartido por igual entre las réplicas (hipercubo latino)</translation>
    </message>
    <message>
        <source>The low end of %1&apos;s range, in its own units</source>
        <translation>El extremo inferior del rango de %1, en sus propias unidades</translation>
    </message>
    <message>
        <source>The high end of %1&apos;s range, in its own units</source>
        <translation>El extremo superior del rango de %1, en sus propias unidades</translation>
    </message>
    <message>
        <source>%1 as the window&apos;s last run read it</source>
        <translation>%1 tal como lo leyó la última ejecución de la ventana</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>The range of %1: &quot;%2&quot; is not a number.</source>
        <translation>El rango de %1: &quot;%2&quot; no es un número.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ReportDetailsDialog</name>
    <message>
        <source>Report details</source>
        <translation>Detalles del informe</translation>
    </message>
    <message>
        <source>Karnoth report: the scenario&apos;s name</source>
        <translation>Informe de Karnoth: el nombre del escenario</translation>
    </message>
    <message>
        <source>The report&apos;s title, on its first page and in the PDF&apos;s properties.</source>
        <translation>El título del informe, en su primera página y en las propiedades del PDF.</translation>
    </message>
    <message>
        <source>Who prepared the report.</source>
        <translation>Quién preparó el informe.</translation>
    </message>
    <message>
        <source>The service, council or charity the report is prepared for or by.</source>
        <translation>El servicio, ayuntamiento u organización benéfica para el que o por el que se prepara el informe.</translation>
    </message>
    <message>
        <source>The town or area whose dogs the programme is for.</source>
        <translation>El municipio o la zona a cuyos perros se dirige el programa.</translation>
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
        <translation>&amp;Organización:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Lugar:</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::RobustHeatMapView</name>
    <message>
        <source>Each cell is one programme: its yearly rate across, its share aimed at owned dogs up, shaded by the share of the uncertainty settings&apos; replicates that meet the target with it. Click a cell to set the main window&apos;s bars to it.</source>
        <translation>Cada celda es un programa: su tasa anual a lo ancho, su parte dirigida a perros con dueño hacia arriba, sombreada según la parte de las réplicas de los ajustes de incertidumbre que cumplen el objetivo con él. Pulse una celda para llevar a ella las barras de la ventana principal.</translation>
    </message>
    <message>
        <source>Computing the probabilities…</source>
        <translation>Calculando las probabilidades…</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenarioDetailsDialog</name>
    <message>
        <source>The name the comparison and the report show for this scenario.</source>
        <translation>El nombre con que la comparación y el informe muestran este escenario.</translation>
    </message>
    <message>
        <source>Anything a reader of the report should know: the source of the figures, what the option stands for.</source>
        <translation>Lo que un lector del informe deba saber: la fuente de las cifras, qué representa la opción.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;otas:</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenarioOverlayView</name>
    <message>
        <source>Point at the chart to read each scenario&apos;s counts in that year.</source>
        <translation>Señale el gráfico para leer los recuentos de cada escenario en ese año.</translation>
    </message>
    <message>
        <source>No scenario has a run to draw.</source>
        <translation>Ningún escenario tiene una ejecución que dibujar.</translation>
    </message>
    <message>
        <source>The comparison chart could not be saved as %1.</source>
        <translation>No se pudo guardar el gráfico de comparación como %1.</translation>
    </message>
    <message>
        <source>Karnoth scenarios</source>
        <translation>Escenarios de Karnoth</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenarioTools</name>
    <message>
        <source>Writing the report: planning, %1 %</source>
        <translation>Escribiendo el informe: planificando, %1 %</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>No se pudo escribir el informe: %1</translation>
    </message>
    <message>
        <source>&amp;Open scenario...</source>
        <translation>&amp;Abrir escenario...</translation>
    </message>
    <message>
        <source>Set every input from a scenario file: one step to undo.</source>
        <translation>Fijar todos los datos desde un archivo de escenario: un solo paso para deshacer.</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save scenario</source>
        <translation>&amp;Guardar escenario</translation>
    </message>
    <message>
        <source>Keep every input, killed.txt&apos;s records and the planner&apos;s target in the scenario&apos;s file.</source>
        <translation>Guardar todos los datos, los registros de killed.txt y la meta del planificador en el archivo del escenario.</translation>
    </message>
    <message>
        <source>Save scenario &amp;as...</source>
        <translation>Guardar escenario &amp;como...</translation>
    </message>
    <message>
        <source>Keep the window&apos;s state in a new scenario file, with a name and notes.</source>
        <translation>Guardar el estado de la ventana en un nuevo archivo de escenario, con un nombre y notas.</translation>
    </message>
    <message>
        <source>Export &amp;report...</source>
        <translation>Exportar &amp;informe...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>A PDF for a meeting: inputs, sentences, chart, the planner&apos;s table and the comparison.</source>
        <translation>Un PDF para una reunión: datos, frases, gráfico, la tabla del planificador y la comparación.</translation>
    </message>
    <message>
        <source>&amp;Compare scenarios...</source>
        <translation>&amp;Comparar escenarios...</translation>
    </message>
    <message>
        <source>The window and kept scenarios side by side: a chart on common axes and a table.</source>
        <translation>La ventana y los escenarios guardados lado a lado: un gráfico con ejes comunes y una tabla.</translation>
    </message>
    <message>
        <source>No scenarios yet</source>
        <translation>Aún no hay escenarios</translation>
    </message>
    <message>
        <source>&amp;Clear the list</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message>
        <source>Open scenario %1</source>
        <translation>Abrir el escenario %1</translation>
    </message>
    <message>
        <source>The scenario was not saved: %1</source>
        <translation>El escenario no se guardó: %1</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Escribiendo el informe...</translation>
    </message>
    <message>
        <source>The report is in %1.</source>
        <translation>El informe está en %1.</translation>
    </message>
    <message>
        <source>Opened scenario &quot;%1&quot; from %2.</source>
        <translation>Se abrió el escenario &quot;%1&quot; desde %2.</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>Abrir escenario</translation>
    </message>
    <message>
        <source>The scenario was not opened.

%1</source>
        <translation>El escenario no se abrió.

%1</translation>
    </message>
    <message>
        <source>Karnoth scenarios (*.karnoth);;All files (*)</source>
        <translation>Escenarios de Karnoth (*.karnoth);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Saved scenario &quot;%1&quot; in %2.</source>
        <translation>Se guardó el escenario &quot;%1&quot; en %2.</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>Guardar escenario</translation>
    </message>
    <message>
        <source>scenario</source>
        <translation>escenario</translation>
    </message>
    <message>
        <source>Save scenario as</source>
        <translation>Guardar escenario como</translation>
    </message>
    <message>
        <source>karnoth-report</source>
        <translation>informe-karnoth</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report &amp;details...</source>
        <translation>&amp;Detalles del informe...</translation>
    </message>
    <message>
        <source>The title, author, organisation and place that head the report; kept in scenarios.</source>
        <translation>El título, el autor, la organización y el lugar que encabezan el informe; se guardan en los escenarios.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::ScenariosView</name>
    <message>
        <source>Scenarios</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Street total only</source>
        <translation>Solo el total en la calle</translation>
    </message>
    <message>
        <source>Street total and fertile street females</source>
        <translation>Total en la calle y hembras callejeras fértiles</translation>
    </message>
    <message>
        <source>Street total and sterilisations per year</source>
        <translation>Total en la calle y esterilizaciones por año</translation>
    </message>
    <message>
        <source>What the thin lines show beside each scenario&apos;s street total.</source>
        <translation>Qué muestran las líneas finas junto al total en la calle de cada escenario.</translation>
    </message>
    <message>
        <source>&amp;Draw:</source>
        <translation>&amp;Dibujar:</translation>
    </message>
    <message>
        <source>Export table as &amp;CSV...</source>
        <translation>Exportar tabla como &amp;CSV...</translation>
    </message>
    <message>
        <source>Export chart as &amp;PNG...</source>
        <translation>Exportar gráfico como &amp;PNG...</translation>
    </message>
    <message>
        <source>Export chart as &amp;SVG...</source>
        <translation>Exportar gráfico como &amp;SVG...</translation>
    </message>
    <message>
        <source>The comparison table, one line per scenario, for a spreadsheet.</source>
        <translation>La tabla de comparación, una línea por escenario, para una hoja de cálculo.</translation>
    </message>
    <message>
        <source>The chart of the scenarios as a picture.</source>
        <translation>El gráfico de los escenarios como imagen.</translation>
    </message>
    <message>
        <source>The chart of the scenarios as a drawing that scales without blurring.</source>
        <translation>El gráfico de los escenarios como dibujo que se amplía sin perder nitidez.</translation>
    </message>
    <message>
        <source>Export comparison as CSV</source>
        <translation>Exportar comparación como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export comparison chart as PNG</source>
        <translation>Exportar gráfico de comparación como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Export comparison chart as SVG</source>
        <translation>Exportar gráfico de comparación como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>The scenarios compared: &quot;current&quot; is the window as it is now.</source>
        <translation>Los escenarios comparados: &quot;current&quot; es la ventana tal como está ahora.</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Add scenarios from files saved with File &gt; Save scenario.</source>
        <translation>Añadir escenarios desde archivos guardados con Archivo &gt; Guardar escenario.</translation>
    </message>
    <message>
        <source>&amp;Add current...</source>
        <translation>A&amp;ñadir el actual...</translation>
    </message>
    <message>
        <source>Keep the window&apos;s inputs as they are now under a name, to compare with later changes.</source>
        <translation>Guardar los datos de la ventana tal como están ahora con un nombre, para compararlos con cambios posteriores.</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>Re&amp;nombrar...</translation>
    </message>
    <message>
        <source>Give the selected scenario another name.</source>
        <translation>Dar otro nombre al escenario seleccionado.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Take the selected scenario off the list (its file stays).</source>
        <translation>Sacar de la lista el escenario seleccionado (su archivo se conserva).</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move the selected scenario up the list.</source>
        <translation>Subir el escenario seleccionado en la lista.</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Move the selected scenario down the list.</source>
        <translation>Bajar el escenario seleccionado en la lista.</translation>
    </message>
    <message>
        <source>The window as it is now: every run updates it.</source>
        <translation>La ventana tal como está ahora: cada ejecución la actualiza.</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>No dibujado: %1</translation>
    </message>
    <message>
        <source>Every scenario runs on its own inputs and culling records and is judged by the planner&apos;s target: its street total in %1 at most %2 % of its own street total in the year before its programme starts. Sterilisations and cost (%3 an owned, %4 a street sterilisation) count from its start to %1.</source>
        <translation>Cada escenario se ejecuta con sus propios datos y registros de eliminación y se juzga con la meta del planificador: su total en la calle en %1 como máximo el %2 % de su propio total en la calle del año anterior al inicio de su programa. Las esterilizaciones y el costo (%3 por esterilización con dueño, %4 por callejera) se cuentan desde su inicio hasta %1.</translation>
    </message>
    <message>
        <source>The comparison holds %1 scenarios at most; remove one first.</source>
        <translation>La comparación admite como máximo %1 escenarios; quite uno primero.</translation>
    </message>
    <message>
        <source>A scenario needs a name.</source>
        <translation>Un escenario necesita un nombre.</translation>
    </message>
    <message>
        <source>The window&apos;s state cannot be kept: %1</source>
        <translation>No se puede guardar el estado de la ventana: %1</translation>
    </message>
    <message>
        <source>Add scenarios</source>
        <translation>Añadir escenarios</translation>
    </message>
    <message>
        <source>Karnoth scenarios (*.karnoth);;All files (*)</source>
        <translation>Escenarios de Karnoth (*.karnoth);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Keep the window&apos;s state</source>
        <translation>Guardar el estado de la ventana</translation>
    </message>
    <message>
        <source>option %1</source>
        <translation>opción %1</translation>
    </message>
    <message>
        <source>Rename scenario</source>
        <translation>Renombrar escenario</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparacion</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
</context>
<context>
    <name>karnoth::gui::SensitivityView</name>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>The year whose street total (females aged one and over) the chart compares, 1950 to 2050; it follows the planner&apos;s target year until you set it</source>
        <translation>El año cuyo total en la calle (hembras de un año o más) compara el gráfico, de 1950 a 2050; sigue al año meta del planificador hasta que usted lo fije</translation>
    </message>
    <message>
        <source>How far each input moves down and up, in per cent of its value; each end stays within the input&apos;s range</source>
        <translation>Cuánto se mueve cada dato hacia abajo y hacia arriba, en porcentaje de su valor; cada extremo queda dentro del rango del dato</translation>
    </message>
    <message>
        <source>Street total in &amp;year</source>
        <translation>Total en la calle en el &amp;año</translation>
    </message>
    <message>
        <source>each input moved &amp;both ways by</source>
        <translation>cada dato movido en a&amp;mbos sentidos un</translation>
    </message>
    <message>
        <source>Each bar shows how far the street total moves when one input is lowered (hatched) or raised (solid) and every other stays as in the window. Elasticity, on the right, is the per cent change in street dogs for a 1 % change in the input: 2 means about 2 % more dogs, -0.5 about half a per cent fewer; near 0 the answer hardly hangs on that input. Point at a bar for it in words.</source>
        <translation>Cada barra muestra cuánto se mueve el total en la calle cuando un dato se baja (rayado) o se sube (lleno) y todos los demás quedan como en la ventana. La elasticidad, a la derecha, es el cambio porcentual de perros callejeros por un cambio del 1 % en el dato: 2 significa cerca de un 2 % más de perros, -0.5 cerca de medio punto porcentual menos; cerca de 0 el resultado apenas depende de ese dato. Señale una barra para leerla en palabras.</translation>
    </message>
    <message>
        <source>Computing...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>No table: the run at the window&apos;s inputs faults: %1</source>
        <translation>Sin tabla: la ejecución con los datos de la ventana falla: %1</translation>
    </message>
    <message>
        <source>Every end ran.</source>
        <translation>Todos los extremos se ejecutaron.</translation>
    </message>
    <message>
        <source>One input has an end that faults; it comes last.</source>
        <translation>Un dato tiene un extremo que falla; va al final.</translation>
    </message>
    <message>
        <source>%1 inputs have an end that faults; they come last.</source>
        <translation>%1 datos tienen un extremo que falla; van al final.</translation>
    </message>
    <message>
        <source>Point at a bar for its figures.</source>
        <translation>Señale una barra para ver sus cifras.</translation>
    </message>
    <message>
        <source>Sensitivity of the street total in %1: each input moved %2 % down and up, one run per end</source>
        <translation>Sensibilidad del total en la calle en %1: cada dato movido un %2 % hacia abajo y hacia arriba, una ejecución por extremo</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilidad</translation>
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
        <translation>Incertidumbre</translation>
    </message>
    <message>
        <source>Street females aged one and over</source>
        <translation>Hembras callejeras de un año o más</translation>
    </message>
    <message>
        <source>Computing...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Uncertain inputs</source>
        <translation>Datos inciertos</translation>
    </message>
    <message>
        <source>Chance and replicates</source>
        <translation>Azar y réplicas</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Each simulated year multiplies adult, street juvenile and owned first-year survival by one factor drawn with mean 1 and this standard deviation (0: none)</source>
        <translation>Cada año simulado multiplica la supervivencia adulta, la juvenil callejera y la del primer año con dueño por un factor tomado con media 1 y esta desviación estándar (0: ninguno)</translation>
    </message>
    <message>
        <source>&amp;Year-to-year SD</source>
        <translation>DE &amp;interanual</translation>
    </message>
    <message>
        <source>&amp;Whole dogs</source>
        <translation>&amp;Perros enteros</translation>
    </message>
    <message>
        <source>Count whole animals: binomial survival, sterilisation and culling, Poisson pups</source>
        <translation>Contar animales enteros: supervivencia, esterilización y eliminación binomiales, cachorros de Poisson</translation>
    </message>
    <message>
        <source>How many replicates of the projection 1950 to 2050 to run, 1 to %1</source>
        <translation>Cuántas réplicas de la proyección 1950 a 2050 ejecutar, de 1 a %1</translation>
    </message>
    <message>
        <source>&amp;Replicates</source>
        <translation>&amp;Réplicas</translation>
    </message>
    <message>
        <source>The random seed: the same seed gives the same bands</source>
        <translation>La semilla aleatoria: la misma semilla da las mismas bandas</translation>
    </message>
    <message>
        <source>S&amp;eed</source>
        <translation>S&amp;emilla</translation>
    </message>
    <message>
        <source>&amp;Anchor to a count</source>
        <translation>&amp;Anclar a un recuento</translation>
    </message>
    <message>
        <source>Before it runs, each replicate&apos;s chosen input is matched to the count in the survey year, as &quot;Match a count&quot; does, so that the bands start at the count and spread from there.</source>
        <translation>Antes de ejecutarse, el dato elegido de cada réplica se ajusta al recuento del año del censo, como hace &quot;Ajustar a un recuento&quot;, para que las bandas empiecen en el recuento y se abran desde ahí.</translation>
    </message>
    <message>
        <source>Survey &amp;year</source>
        <translation>A&amp;ño del censo</translation>
    </message>
    <message>
        <source>The street females aged one and over counted in the survey year.</source>
        <translation>Las hembras callejeras de un año o más contadas en el año del censo.</translation>
    </message>
    <message>
        <source>&amp;Counted</source>
        <translation>&amp;Contadas</translation>
    </message>
    <message>
        <source>Abandoned per year</source>
        <translation>Abandonadas por año</translation>
    </message>
    <message>
        <source>Immigrants per year</source>
        <translation>Inmigrantes por año</translation>
    </message>
    <message>
        <source>Carrying capacity</source>
        <translation>Capacidad de carga</translation>
    </message>
    <message>
        <source>A&amp;djusting</source>
        <translation>A&amp;justando</translation>
    </message>
    <message>
        <source>The planner&apos;s target is set in the planner; until then it lies ten years after the programme&apos;s start, at 50 % of the year before it</source>
        <translation>La meta del planificador se fija en el planificador; hasta entonces está diez años después del inicio del programa, en el 50 % del año anterior a él</translation>
    </message>
    <message>
        <source>Nothing is uncertain yet: every replicate would repeat the window&apos;s run. Give an input a range, a year-to-year SD or whole dogs, and the bands follow.</source>
        <translation>Todavía nada es incierto: cada réplica repetiría la ejecución de la ventana. Dé un rango a un dato, una DE interanual o perros enteros, y aparecen las bandas.</translation>
    </message>
    <message>
        <source>the planner&apos;s target, a street total in %1 at most %2 % of %3&apos;s</source>
        <translation>la meta del planificador, un total en la calle en %1 como máximo el %2 % del de %3</translation>
    </message>
    <message>
        <source>No chance of meeting %1 can be told: %2</source>
        <translation>No se puede decir la probabilidad de cumplir %1: %2</translation>
    </message>
    <message>
        <source>Chance of meeting %1: %2 % of %3.</source>
        <translation>Probabilidad de cumplir %1: %2 % de %3.</translation>
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
        <translation>Hembras callejeras de un año o más: %1, %2 válidas, semilla %3</translation>
    </message>
    <message>
        <source>No replicate ran without a fault. The first: %1</source>
        <translation>Ninguna réplica se ejecutó sin fallo. El primero: %1</translation>
    </message>
    <message>
        <source>%1 valid (%2 died out), %3 faulted.</source>
        <translation>%1 válidas (%2 extinguidas), %3 con fallo.</translation>
    </message>
    <message>
        <source>The first fault: %1</source>
        <translation>El primer fallo: %1</translation>
    </message>
    <message>
        <source>The run at the window&apos;s inputs faults: %1</source>
        <translation>La ejecución con los datos de la ventana falla: %1</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 a %3</translation>
    </message>
    <message>
        <source>Uncertainty: %1, seed %2</source>
        <translation>Incertidumbre: %1, semilla %2</translation>
    </message>
    <message>
        <source>; no input varied</source>
        <translation>; ningún dato variado</translation>
    </message>
    <message>
        <source>; ranges: %1</source>
        <translation>; rangos: %1</translation>
    </message>
    <message>
        <source>; year-to-year SD %1</source>
        <translation>; DE interanual %1</translation>
    </message>
    <message>
        <source>; whole dogs</source>
        <translation>; perros enteros</translation>
    </message>
    <message>
        <source>uncertainty</source>
        <translation>incertidumbre</translation>
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
        <translation>la ejecución de la ventana</translation>
    </message>
    <message>
        <source>median of the replicates</source>
        <translation>mediana de las réplicas</translation>
    </message>
    <message>
        <source>50 % of the replicates</source>
        <translation>50 % de las réplicas</translation>
    </message>
    <message>
        <source>90 % of the replicates</source>
        <translation>90 % de las réplicas</translation>
    </message>
    <message>
        <source>the window&apos;s run: %1</source>
        <translation>la ejecución de la ventana: %1</translation>
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
        <translation>hembras callejeras de un año o más</translation>
    </message>
    <message>
        <source>fertile street females</source>
        <translation>hembras callejeras fértiles</translation>
    </message>
    <message>
        <source>sterilisations per year (right scale)</source>
        <translation>esterilizaciones por año (escala derecha)</translation>
    </message>
    <message>
        <source>street coverage, 0 to 100 % of the height</source>
        <translation>cobertura en la calle, de 0 a 100 % de la altura</translation>
    </message>
    <message>
        <source>inputs changed — press Run</source>
        <translation>los datos cambiaron — pulse Run</translation>
    </message>
    <message>
        <source>adult survival %1, juvenile survival %2, age at first litter %3, age at last litter %4, prob. pregnant %5, female pups per litter %6, %7 % of owned yearlings sterilised by their owners</source>
        <translation>supervivencia adulta %1, supervivencia juvenil %2, edad al primer parto %3, edad al último parto %4, prob. preñez %5, cachorras por camada %6, %7 % de las hembras de un año con dueño esterilizadas por sus dueños</translation>
    </message>
    <message>
        <source>%1 one-year-old females abandoned per year; programme %2 % a year from %3 (%4 times in the first year), %5 % of it aimed at owned dogs</source>
        <translation>%1 hembras de un año abandonadas por año; programa del %2 % al año desde %3 (%4 veces en el primer año), el %5 % dirigido a perros con dueño</translation>
    </message>
    <message>
        <source>, street dogs only 1-year olds</source>
        <translation>, perros callejeros solo de 1 año</translation>
    </message>
    <message>
        <source>; dogs killed from %1 to %2</source>
        <translation>; perros eliminados de %1 a %2</translation>
    </message>
    <message>
        <source>, log scale: the axes show ln(dogs + 1)</source>
        <translation>, escala logarítmica: los ejes muestran ln(perros + 1)</translation>
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
        <translation>activado o no</translation>
    </message>
    <message>
        <source>a whole year</source>
        <translation>un año entero</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>no marcada</translation>
    </message>
    <message>
        <source>%1: %2
Unit: %3
Range: %4</source>
        <translation>%1: %2
Unidad: %3
Rango: %4</translation>
    </message>
    <message>
        <source>&lt;h2&gt;About the model&lt;/h2&gt;&lt;p&gt;Karnoth models the &lt;b&gt;female&lt;/b&gt; dogs of a town, by age from 0 to 10 years, in two linked populations: owned dogs and street dogs. From the life-history figures it sets both populations to a steady state and projects them year by year from &lt;b&gt;1950 to 2050&lt;/b&gt;, with abandonment of owned yearlings, owners&apos; own sterilisation, culling of street dogs and, from its start year, a sterilisation programme. The chart shows the street females aged one and over (red), the fertile street females of breeding age (green, on the red scale) and the programme&apos;s sterilisations per year (blue, right scale).&lt;/p&gt;&lt;p&gt;Typing into a box updates the figures beside it; moving a bar, or pressing Run (Enter), reruns the model. While the chart shows a run of earlier inputs, Run reads &lt;b&gt;Run*&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;A real town.&lt;/b&gt; Left empty, the group of that name leaves the model closed: street dogs come only from abandonment, pups survive as well on a crowded street as on an empty one, and the programme never ends. Intact females arriving per year join the street after each year&apos;s catching round and breed that year, so coverage levels off below 100 %. A street carrying capacity makes street pups survive their first year less often as the street fills, by Sj / (1 + c (N / K)^compensation), N being last year&apos;s street total and c the street&apos;s own surplus; a programme that thins the street is then partly made up. Sterilising stops after ends the programme; the window then says when the street is back to 90 % of its size before it. Sterilisations per year count the programme&apos;s effort in operations instead of the rate bar, which is greyed: the owned share splits them, operations the owned dogs cannot use are not moved to the street, and no year operates on more fertile dogs than there are.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Acerca del modelo&lt;/h2&gt;&lt;p&gt;Karnoth modela las perras (&lt;b&gt;hembras&lt;/b&gt;) de un municipio, por edad de 0 a 10 años, en dos poblaciones vinculadas: perros con dueño y perros callejeros. A partir de los datos de historia de vida lleva ambas poblaciones a un estado estacionario y las proyecta año a año de &lt;b&gt;1950 a 2050&lt;/b&gt;, con abandono de hembras de un año con dueño, esterilización por los propios dueños, eliminación de perros callejeros y, desde su año de inicio, un programa de esterilización. El gráfico muestra las hembras callejeras de un año o más (rojo), las hembras callejeras fértiles en edad reproductiva (verde, en la escala roja) y las esterilizaciones por año del programa (azul, escala derecha).&lt;/p&gt;&lt;p&gt;Escribir en una casilla actualiza las cifras de al lado; mover una barra, o pulsar Run (Intro), vuelve a ejecutar el modelo. Mientras el gráfico muestra una ejecución de datos anteriores, Run se lee &lt;b&gt;Run*&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Caso real.&lt;/b&gt; Vacío, el grupo de ese nombre deja el modelo cerrado: los perros callejeros solo vienen del abandono, los cachorros sobreviven igual en una calle llena que en una vacía y el programa no termina nunca. Las hembras enteras que llegan por año se suman a la calle después de las capturas de cada año y crían ese mismo año, así que la cobertura se estabiliza por debajo del 100 %. Una capacidad de carga de la calle hace que los cachorros callejeros sobrevivan menos su primer año a medida que la calle se llena, según Sj / (1 + c (N / K)^compensación), donde N es el total en la calle del año anterior y c el excedente propio de la calle; un programa que reduce la calle queda entonces en parte compensado. La esterilización termina tras pone fin al programa; la ventana dice entonces cuándo vuelve la calle al 90 % de su tamaño anterior. Las esterilizaciones por año cuentan el esfuerzo del programa en operaciones en lugar de la barra de tasa, que queda en gris: la parte con dueño las reparte, las operaciones que los perros con dueño no pueden usar no pasan a la calle, y ningún año se opera a más perros fértiles de los que hay.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Inputs&lt;/h3&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;input&lt;/th&gt;&lt;th&gt;meaning&lt;/th&gt;&lt;th&gt;unit&lt;/th&gt;&lt;th&gt;range&lt;/th&gt;&lt;th&gt;starts at&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;h3&gt;Datos&lt;/h3&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;dato&lt;/th&gt;&lt;th&gt;significado&lt;/th&gt;&lt;th&gt;unidad&lt;/th&gt;&lt;th&gt;rango&lt;/th&gt;&lt;th&gt;valor inicial&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Limits&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Females only: every count is of female dogs.&lt;/li&gt;&lt;li&gt;The years 1950 to 2050 only: a programme that starts after 2050 never runs, and culling cannot include 1950, which has no year before it.&lt;/li&gt;&lt;li&gt;Owners who sterilise &lt;b&gt;70 %&lt;/b&gt; or more of their yearlings leave owned dogs unable to replace themselves: there is no steady state to start from.&lt;/li&gt;&lt;li&gt;Juvenile survival must stay below the &lt;b&gt;threshold&lt;/b&gt; shown beside it, 1 / pups per yearling: at or above it street pups more than replace themselves and there is no steady state either, unless a street carrying capacity holds them back.&lt;/li&gt;&lt;li&gt;A first-year multiplier, a cull or a programme that would remove more dogs than an age class holds stops the run in that year, naming the step.&lt;/li&gt;&lt;li&gt;killed.txt, in the working directory, holds records of a year and the street dogs killed in it; a bad record stops the run.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;A figure the model cannot use is named in the status bar, and the box it came from is framed in red until a run succeeds. Nothing is lost: correct the figure and run again.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Límites&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Solo hembras: cada recuento es de perras.&lt;/li&gt;&lt;li&gt;Solo los años 1950 a 2050: un programa que empieza después de 2050 nunca se ejecuta, y la eliminación no puede incluir 1950, que no tiene año anterior.&lt;/li&gt;&lt;li&gt;Si los dueños esterilizan el &lt;b&gt;70 %&lt;/b&gt; o más de sus hembras de un año, los perros con dueño no pueden reponerse: no hay estado estacionario del que partir.&lt;/li&gt;&lt;li&gt;La supervivencia juvenil debe quedar por debajo del &lt;b&gt;umbral&lt;/b&gt; que se muestra a su lado, 1 / cachorras por hembra de un año: en él o por encima, los cachorros callejeros más que se reponen y tampoco hay estado estacionario, salvo que una capacidad de carga de la calle los frene.&lt;/li&gt;&lt;li&gt;Un multiplicador del primer año, una eliminación o un programa que retiraría más perros de los que tiene una clase de edad detiene la ejecución en ese año, nombrando el paso.&lt;/li&gt;&lt;li&gt;killed.txt, en el directorio de trabajo, guarda registros de un año y los perros callejeros eliminados en él; un registro erróneo detiene la ejecución.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Una cifra que el modelo no puede usar se nombra en la barra de estado, y la casilla de la que viene se enmarca en rojo hasta que una ejecución tenga éxito. No se pierde nada: corrija la cifra y ejecute de nuevo.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Overlay</name>
    <message>
        <source> (%1 fertile)</source>
        <translation> (%1 fértiles)</translation>
    </message>
    <message>
        <source> (%1 sterilised)</source>
        <translation> (%1 esterilizadas)</translation>
    </message>
    <message>
        <source>Thick lines: street females aged one and over; thin lines: fertile street females.</source>
        <translation>Líneas gruesas: hembras callejeras de un año o más; líneas finas: hembras callejeras fértiles.</translation>
    </message>
    <message>
        <source>Thick lines: street females aged one and over (left scale); thin lines: the programme&apos;s sterilisations per year (right scale).</source>
        <translation>Líneas gruesas: hembras callejeras de un año o más (escala izquierda); líneas finas: esterilizaciones por año del programa (escala derecha).</translation>
    </message>
    <message>
        <source>Lines: street females aged one and over.</source>
        <translation>Líneas: hembras callejeras de un año o más.</translation>
    </message>
</context>
<context>
    <name>karnoth::render::PlanHeatMap</name>
    <message>
        <source>operations a year (females)</source>
        <translation>operaciones al año (hembras)</translation>
    </message>
    <message>
        <source>programme rate, % a year</source>
        <translation>tasa del programa, % al año</translation>
    </message>
    <message>
        <source>share aimed at owned dogs, %</source>
        <translation>parte dirigida a perros con dueño, %</translation>
    </message>
    <message>
        <source>of baseline</source>
        <translation>de la línea de base</translation>
    </message>
    <message>
        <source>No plan: %1</source>
        <translation>Sin plan: %1</translation>
    </message>
    <message>
        <source>Street total in %1 as a percentage of %2, the street total in %3</source>
        <translation>Total en la calle en %1 como porcentaje de %2, el total en la calle en %3</translation>
    </message>
    <message>
        <source>target: at most %1 % in %2</source>
        <translation>meta: como máximo %1 % en %2</translation>
    </message>
    <message>
        <source>the window&apos;s setting</source>
        <translation>el valor de la ventana</translation>
    </message>
    <message>
        <source>cheapest programme</source>
        <translation>programa más barato</translation>
    </message>
    <message>
        <source>the run faults</source>
        <translation>la ejecución falla</translation>
    </message>
    <message>
        <source>of replicates</source>
        <translation>de las réplicas</translation>
    </message>
    <message>
        <source>%1-%2 %</source>
        <translation>%1-%2 %</translation>
    </message>
    <message>
        <source>No plan at %1 %: %2</source>
        <translation>Sin plan al %1 %: %2</translation>
    </message>
    <message>
        <source>the window&apos;s run</source>
        <translation>la ejecución de la ventana</translation>
    </message>
    <message>
        <source>%1 replicates</source>
        <translation>%1 réplicas</translation>
    </message>
    <message>
        <source>Share of %1 that meet the target: at most %2 % of the baseline in %3</source>
        <translation>Parte de %1 que cumplen el objetivo: como mucho el %2 % de la base en %3</translation>
    </message>
    <message>
        <source>rate reaching %1 %</source>
        <translation>tasa que llega al %1 %</translation>
    </message>
    <message>
        <source>cheapest at %1 %</source>
        <translation>lo más barato al %1 %</translation>
    </message>
    <message>
        <source>no valid replicate</source>
        <translation>ninguna réplica válida</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Report</name>
    <message>
        <source>Scenarios</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source> (the inputs and run of this report)</source>
        <translation> (los datos y la ejecución de este informe)</translation>
    </message>
    <message>
        <source> (the inputs of this report, whose run stopped)</source>
        <translation> (los datos de este informe, cuya ejecución se detuvo)</translation>
    </message>
    <message>
        <source>The run of these inputs stopped</source>
        <translation>La ejecución de estos datos se detuvo</translation>
    </message>
    <message>
        <source>So this report gives no summary, no sentences and no chart for these inputs; the input at fault, if the fault names one, is marked in the table below.</source>
        <translation>Por eso este informe no da resumen, frases ni gráfico para estos datos; el dato con fallo, si el fallo nombra uno, está marcado en la tabla de abajo.</translation>
    </message>
    <message>
        <source>What the run suggests</source>
        <translation>Lo que sugiere la ejecución</translation>
    </message>
    <message>
        <source>input</source>
        <translation>dato</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unidad</translation>
    </message>
    <message>
        <source>%1 (at fault)</source>
        <translation>%1 (con fallo)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>The programme is not judged against the target: %1</source>
        <translation>El programa no se juzga frente a la meta: %1</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>street total</source>
        <translation>total en la calle</translation>
    </message>
    <message>
        <source>street breeders</source>
        <translation>reproductoras callejeras</translation>
    </message>
    <message>
        <source>operations</source>
        <translation>operaciones</translation>
    </message>
    <message>
        <source>street coverage</source>
        <translation>cobertura en la calle</translation>
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
        <translation>Año a año</translation>
    </message>
    <message>
        <source>term</source>
        <translation>término</translation>
    </message>
    <message>
        <source>meaning</source>
        <translation>significado</translation>
    </message>
    <message>
        <source>Words used</source>
        <translation>Términos usados</translation>
    </message>
    <message>
        <source>No chart: the run of these inputs stopped: %1</source>
        <translation>Sin gráfico: la ejecución de estos datos se detuvo: %1</translation>
    </message>
    <message>
        <source>No chart: the run of these inputs drew none.</source>
        <translation>Sin gráfico: la ejecución de estos datos no dibujó ninguno.</translation>
    </message>
    <message>
        <source>Red solid line: street females aged one and over; green dashed line: fertile street females (both on the left scale); blue dotted line: the programme&apos;s sterilisations per year (right scale).</source>
        <translation>Línea roja continua: hembras callejeras de un año o más; línea verde discontinua: hembras callejeras fértiles (ambas en la escala izquierda); línea azul punteada: esterilizaciones por año del programa (escala derecha).</translation>
    </message>
    <message>
        <source> Log scale: the axes show ln(dogs + 1).</source>
        <translation> Escala logarítmica: los ejes muestran ln(perros + 1).</translation>
    </message>
    <message>
        <source>Planning a programme</source>
        <translation>Planificación de un programa</translation>
    </message>
    <message>
        <source>No plan was made.</source>
        <translation>No se hizo ningún plan.</translation>
    </message>
    <message>
        <source>owned share</source>
        <translation>parte con dueño</translation>
    </message>
    <message>
        <source>minimal operations a year</source>
        <translation>operaciones mínimas al año</translation>
    </message>
    <message>
        <source>minimal rate</source>
        <translation>tasa mínima</translation>
    </message>
    <message>
        <source>street total %1</source>
        <translation>total en la calle %1</translation>
    </message>
    <message>
        <source>sterilised owned</source>
        <translation>esterilizadas con dueño</translation>
    </message>
    <message>
        <source>sterilised street</source>
        <translation>esterilizadas callejeras</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>costo</translation>
    </message>
    <message>
        <source>none: the run at %1 operations a year faults</source>
        <translation>ninguna: la ejecución con %1 operaciones al año falla</translation>
    </message>
    <message>
        <source>none: the run at 100 % a year faults</source>
        <translation>ninguna: la ejecución con 100 % al año falla</translation>
    </message>
    <message>
        <source>none (at %1 a year)</source>
        <translation>ninguna (con %1 al año)</translation>
    </message>
    <message>
        <source>none (at 100 %)</source>
        <translation>ninguna (con 100 %)</translation>
    </message>
    <message>
        <source>Comparison of the scenarios</source>
        <translation>Comparación de los escenarios</translation>
    </message>
    <message>
        <source>Every scenario is run on its own inputs and culling records and judged by the same target: its street total in %1 at most %2 % of its own street total in the year before its programme starts. Sterilisations and their cost (%3 an owned, %4 a street sterilisation) count from the programme&apos;s start to %1.</source>
        <translation>Cada escenario se ejecuta con sus propios datos y registros de eliminación y se juzga con la misma meta: su total en la calle en %1 como máximo el %2 % de su propio total en la calle del año anterior al inicio de su programa. Las esterilizaciones y su costo (%3 por esterilización con dueño, %4 por callejera) se cuentan desde el inicio del programa hasta %1.</translation>
    </message>
    <message>
        <source>A scenario whose run faults, and any beyond the eighth, is not drawn.</source>
        <translation>Un escenario cuya ejecución falla, y todos los que pasen del octavo, no se dibujan.</translation>
    </message>
    <message>
        <source>No plan could be made for a street total in %1 at most %2 % of the baseline: %3</source>
        <translation>No se pudo hacer ningún plan para un total en la calle en %1 como máximo el %2 % de la línea de base: %3</translation>
    </message>
    <message>
        <source>Target: the street total in %1 at most %2 % of the baseline, %3 street females aged one and over in %4, the year before the programme starts. Costs: %5 an owned, %6 a street sterilisation. For each share of the programme aimed at owned dogs, the smallest yearly rate that meets the target, with its sterilisations from the start to %1 and their cost.</source>
        <translation>Meta: el total en la calle en %1 como máximo el %2 % de la línea de base, %3 hembras callejeras de un año o más en %4, el año anterior al inicio del programa. Costos: %5 por esterilización con dueño, %6 por callejera. Para cada parte del programa dirigida a perros con dueño, la menor tasa anual que cumple la meta, con sus esterilizaciones desde el inicio hasta %1 y su costo.</translation>
    </message>
    <message>
        <source>Cheapest programme that meets the target: %1 % aimed at owned dogs at %2 a year, cost %3.</source>
        <translation>Programa más barato que cumple la meta: el %1 % dirigido a perros con dueño con %2 al año, costo %3.</translation>
    </message>
    <message>
        <source>%1 operations</source>
        <translation>%1 operaciones</translation>
    </message>
    <message>
        <source>No programme meets the target.</source>
        <translation>Ningún programa cumple la meta.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>No se pudo escribir el informe en %1.</translation>
    </message>
    <message>
        <source>Made with Karnoth on %1.</source>
        <translation>Hecho con Karnoth el %1.</translation>
    </message>
    <message>
        <source>Karnoth report: %1</source>
        <translation>Informe de Karnoth: %1</translation>
    </message>
    <message>
        <source>The same inputs as the window.</source>
        <translation>Los mismos datos que la ventana.</translation>
    </message>
    <message>
        <source>Differs from the window in: %1.</source>
        <translation>Difiere de la ventana en: %1.</translation>
    </message>
    <message>
        <source>from %1 to %2, when it stops</source>
        <translation>de %1 a %2, cuando termina</translation>
    </message>
    <message>
        <source>from %1 to %2, the last year projected</source>
        <translation>de %1 a %2, el último año proyectado</translation>
    </message>
    <message>
        <source>%1 operations a year</source>
        <translation>%1 operaciones al año</translation>
    </message>
    <message>
        <source>a yearly rate of %1 %</source>
        <translation>una tasa anual del %1 %</translation>
    </message>
    <message>
        <source>Proposed: a sterilisation programme %1, at %2, %3 % aimed at owned dogs and %4 % at street dogs. It makes %5 operations in %6, its first year, and %7 a year on average.</source>
        <translation>Propuesta: un programa de esterilización %1, con %2, el %3 % dirigido a perros con dueño y el %4 % a perros callejeros. Hace %5 operaciones en %6, su primer año, y %7 al año en promedio.</translation>
    </message>
    <message>
        <source>By %1, the target year, the street holds %2 females aged one and over: %3 % of the baseline, %4 in %5, the year before the programme starts. The target is at most %6 %.</source>
        <translation>En %1, el año meta, la calle tiene %2 hembras de un año o más: el %3 % de la línea de base, %4 en %5, el año anterior al inicio del programa. La meta es como máximo el %6 %.</translation>
    </message>
    <message>
        <source>From %1 to %2 it takes %3 operations on owned and %4 on street females. At %5 an owned and %6 a street operation, as the planner counts cost, that is %7.</source>
        <translation>De %1 a %2 hace %3 operaciones en hembras con dueño y %4 en callejeras. A %5 por operación con dueño y %6 por callejera, como cuenta el costo el planificador, son %7.</translation>
    </message>
    <message>
        <source>%1 % of %2&apos;s street dogs</source>
        <translation>el %1 % de los perros callejeros de %2</translation>
    </message>
    <message>
        <source>It reaches %1 in %2: meets the target of %3.</source>
        <translation>Alcanza %1 en %2: cumple la meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 in %2, a year early: meets the target of %3.</source>
        <translation>Alcanza %1 en %2, un año antes: cumple la meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 in %2, %4 years early: meets the target of %3.</source>
        <translation>Alcanza %1 en %2, %4 años antes: cumple la meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 only in %2: misses the target of %3.</source>
        <translation>Alcanza %1 solo en %2: no cumple la meta de %3.</translation>
    </message>
    <message>
        <source>It does not reach %1 by %2: misses the target of %3.</source>
        <translation>No alcanza %1 antes de %2: no cumple la meta de %3.</translation>
    </message>
    <message>
        <source>It reaches %1 in %2 but is above it again in %3: misses the target of %3.</source>
        <translation>Alcanza %1 en %2 pero vuelve a superarlo en %3: no cumple la meta de %3.</translation>
    </message>
    <message>
        <source>In %1, %2 % of the street females aged one and over are sterilised (the street coverage).</source>
        <translation>En %1, el %2 % de las hembras callejeras de un año o más están esterilizadas (la cobertura en la calle).</translation>
    </message>
    <message>
        <source>Once the programme stops after %1, the street is %2.</source>
        <translation>Cuando el programa termina tras %1, la calle está %2.</translation>
    </message>
    <message>
        <source>The street females aged one and over, fertile and sterilised. The model counts females only.</source>
        <translation>Las hembras callejeras de un año o más, fértiles y esterilizadas. El modelo solo cuenta hembras.</translation>
    </message>
    <message>
        <source>The fertile street females of breeding age: those that can have litters.</source>
        <translation>Las hembras callejeras fértiles en edad reproductiva: las que pueden tener camadas.</translation>
    </message>
    <message>
        <source>The programme&apos;s sterilisations of owned and street females in a year.</source>
        <translation>Las esterilizaciones de hembras con dueño y callejeras que hace el programa en un año.</translation>
    </message>
    <message>
        <source>The share of the street females aged one and over that are sterilised, at the end of a year.</source>
        <translation>La proporción de las hembras callejeras de un año o más que están esterilizadas, al final de un año.</translation>
    </message>
    <message>
        <source>programme rate</source>
        <translation>tasa del programa</translation>
    </message>
    <message>
        <source>The per cent of the fertile females the programme sterilises each year; or, when a number of operations a year is given, that number.</source>
        <translation>El porcentaje de las hembras fértiles que el programa esteriliza cada año; o, cuando se da un número de operaciones al año, ese número.</translation>
    </message>
    <message>
        <source>The per cent of the programme aimed at owned dogs; the rest is aimed at street dogs.</source>
        <translation>El porcentaje del programa dirigido a perros con dueño; el resto se dirige a perros callejeros.</translation>
    </message>
    <message>
        <source>baseline</source>
        <translation>línea de base</translation>
    </message>
    <message>
        <source>The street total in the year before the programme starts. The target is a per cent of it, to be reached by the target year.</source>
        <translation>El total en la calle en el año anterior al inicio del programa. La meta es un porcentaje de él, a alcanzar antes del año meta.</translation>
    </message>
    <message>
        <source>rebound</source>
        <translation>rebote</translation>
    </message>
    <message>
        <source>After a programme stops, the street dogs come back: the rebound is the year the street total is again at %1 % of the baseline.</source>
        <translation>Cuando un programa termina, los perros callejeros vuelven: el rebote es el año en que el total en la calle está de nuevo en el %1 % de la línea de base.</translation>
    </message>
    <message>
        <source>Projection %1 to 2050</source>
        <translation>Proyección de %1 a 2050</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 a %3</translation>
    </message>
    <message>
        <source>year-to-year SD %1</source>
        <translation>DE interanual %1</translation>
    </message>
    <message>
        <source>whole dogs</source>
        <translation>perros enteros</translation>
    </message>
    <message>
        <source>every replicate matched to the counted street dogs</source>
        <translation>cada réplica ajustada a los perros callejeros contados</translation>
    </message>
    <message>
        <source>Chance of success: it cannot be told, allowing for what is uncertain (%1): %2.</source>
        <translation>Probabilidad de éxito: no se puede decir, teniendo en cuenta lo que es incierto (%1): %2.</translation>
    </message>
    <message>
        <source>Chance of success: allowing for what is uncertain (%1), the programme meets the target in %2 % of %3 valid replicates (of %4, seed %5).</source>
        <translation>Probabilidad de éxito: teniendo en cuenta lo que es incierto (%1), el programa cumple la meta en el %2 % de %3 réplicas válidas (de %4, semilla %5).</translation>
    </message>
    <message>
        <source>in %1 % of futures</source>
        <translation>en el %1 % de los futuros</translation>
    </message>
    <message>
        <source>no valid replicate</source>
        <translation>ninguna réplica válida</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>No plan that holds in %1 % of futures: %2.</source>
        <translation>No hay plan que se cumpla en el %1 % de los futuros: %2.</translation>
    </message>
    <message>
        <source>Plans that hold: with nothing uncertain set, the window&apos;s run alone decides, so the rates that hold are the minimal rates.</source>
        <translation>Planes que se cumplen: sin nada incierto fijado, decide solo la ejecución de la ventana, así que las tasas que se cumplen son las tasas mínimas.</translation>
    </message>
    <message>
        <source>Plans that hold: for each owned share, the lowest rate at which at least %1 % of %2 futures drawn from the uncertainty settings meet the target.</source>
        <translation>Planes que se cumplen: para cada parte con dueño, la tasa más baja con la que al menos el %1 % de %2 futuros sorteados con los ajustes de incertidumbre cumplen el objetivo.</translation>
    </message>
    <message>
        <source>Up to %1 of them fault at rate 0 and are left out of their share.</source>
        <translation>Hasta %1 de ellos fallan a tasa 0 y se dejan fuera de su parte.</translation>
    </message>
    <message>
        <source>rate %1</source>
        <translation>tasa %1</translation>
    </message>
    <message>
        <source>Cheapest that holds: owned share %1 %, %2, cost %3.</source>
        <translation>Lo más barato que se cumple: parte con dueño %1 %, %2, coste %3.</translation>
    </message>
    <message>
        <source>No owned share meets the target in %1 % of futures.</source>
        <translation>Ninguna parte con dueño cumple el objetivo en el %1 % de los futuros.</translation>
    </message>
</context>
<context>
    <name>karnoth::render::Tornado</name>
    <message>
        <source>%1 is 0, and a per cent of 0 moves nothing</source>
        <translation>%1 es 0, y un porcentaje de 0 no mueve nada</translation>
    </message>
    <message>
        <source>%1 % higher %2</source>
        <translation>%2 un %1 % mayor</translation>
    </message>
    <message>
        <source>%1 % lower %2</source>
        <translation>%2 un %1 % menor</translation>
    </message>
    <message>
        <source>%1: the run faults</source>
        <translation>%1: la ejecución falla</translation>
    </message>
    <message>
        <source>%1: %2 street dogs in %3</source>
        <translation>%1: %2 perros callejeros en %3</translation>
    </message>
    <message>
        <source>%1 % more street dogs in %2</source>
        <translation>un %1 % más de perros callejeros en %2</translation>
    </message>
    <message>
        <source>%1 % fewer street dogs in %2</source>
        <translation>un %1 % menos de perros callejeros en %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>fault at both ends</source>
        <translation>fallo en ambos extremos</translation>
    </message>
    <message>
        <source>fault at the low end</source>
        <translation>fallo en el extremo inferior</translation>
    </message>
    <message>
        <source>fault at the high end</source>
        <translation>fallo en el extremo superior</translation>
    </message>
    <message>
        <source>street females aged one and over in %1</source>
        <translation>hembras callejeras de un año o más en %1</translation>
    </message>
    <message>
        <source>Street total in %1: no table</source>
        <translation>Total en la calle en %1: sin tabla</translation>
    </message>
    <message>
        <source>Street total in %1: %2 females aged one and over; each input moved %3 % both ways</source>
        <translation>Total en la calle en %1: %2 hembras de un año o más; cada dato movido un %3 % en ambos sentidos</translation>
    </message>
    <message>
        <source>input lowered by %1 %</source>
        <translation>dato bajado un %1 %</translation>
    </message>
    <message>
        <source>input raised by %1 %</source>
        <translation>dato subido un %1 %</translation>
    </message>
    <message>
        <source>street total at the inputs as given</source>
        <translation>total en la calle con los datos dados</translation>
    </message>
    <message>
        <source>elasticity</source>
        <translation>elasticidad</translation>
    </message>
    <message>
        <source>fault</source>
        <translation>fallo</translation>
    </message>
    <message>
        <source>%1: %2, moved to %3 .. %4</source>
        <translation>%1: %2, movido a %3 .. %4</translation>
    </message>
    <message>
        <source>street total in %1: %2 .. %3 (%4 as given)</source>
        <translation>total en la calle en %1: %2 .. %3 (%4 con los datos dados)</translation>
    </message>
    <message>
        <source>swing %1, elasticity %2</source>
        <translation>oscilación %1, elasticidad %2</translation>
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
