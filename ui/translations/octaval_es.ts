<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Practice</name>
    <message>
        <source>Network (subnet) address</source>
        <translation>Dirección de red (subred)</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Dirección de difusión</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Network bits of the class</source>
        <translation>Bits de red de la clase</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Bits de subred</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Bits de host</translation>
    </message>
    <message>
        <source>Usable subnets</source>
        <translation>Subredes utilizables</translation>
    </message>
    <message>
        <source>Usable hosts per subnet</source>
        <translation>Hosts utilizables por subred</translation>
    </message>
    <message>
        <source>First usable subnet (Subnet 1)</source>
        <translation>Primera subred utilizable (subred 1)</translation>
    </message>
    <message>
        <source>Last usable subnet (Subnet N)</source>
        <translation>Última subred utilizable (subred N)</translation>
    </message>
    <message>
        <source>Status message</source>
        <translation>Mensaje de estado</translation>
    </message>
    <message>
        <source>Natural masks only</source>
        <translation>Solo máscaras naturales</translation>
    </message>
    <message>
        <source>Contiguous masks</source>
        <translation>Máscaras contiguas</translation>
    </message>
    <message>
        <source>Any mask the checks accept</source>
        <translation>Cualquier máscara que acepten las comprobaciones</translation>
    </message>
    <message>
        <source>Spot the fault</source>
        <translation>Encuentra el error</translation>
    </message>
    <message>
        <source>no subnets</source>
        <translation>ninguna subred</translation>
    </message>
    <message>
        <source>no hosts</source>
        <translation>ningún host</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong, expected %1</source>
        <translation>incorrecto, se esperaba %1</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Multicast, Class D</source>
        <translation>Multidifusión, clase D</translation>
    </message>
    <message>
        <source>Research, Class E</source>
        <translation>Investigación, clase E</translation>
    </message>
    <message>
        <source>%1 bits, Class %2</source>
        <translation>%1 bits, clase %2</translation>
    </message>
    <message>
        <source>%1 bits, no subnets</source>
        <translation>%1 bits, sin subredes</translation>
    </message>
    <message>
        <source>%1 bits, %2 subnets</source>
        <translation>%1 bits, %2 subredes</translation>
    </message>
    <message>
        <source>%1 bits, %2 hosts</source>
        <translation>%1 bits, %2 equipos</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Illegal IP address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>Illegal subnet mask</source>
        <translation>Máscara de subred no válida</translation>
    </message>
    <message>
        <source>Illegal subnet mask versus network class</source>
        <translation>Máscara de subred incompatible con la clase de red</translation>
    </message>
    <message>
        <source>Illegal subnet (all zeros) or use subnet-zero</source>
        <translation>Subred no válida (todo ceros) o use subnet-zero</translation>
    </message>
    <message>
        <source>Illegal subnet (all ones)</source>
        <translation>Subred no válida (todo unos)</translation>
    </message>
    <message>
        <source>No host(s)</source>
        <translation>Ningún equipo</translation>
    </message>
    <message>
        <source>Illegal host ip address (all zeros = network)</source>
        <translation>Dirección IP de equipo no válida (todo ceros = red)</translation>
    </message>
    <message>
        <source>Illegal host ip address (all ones = broadcast)</source>
        <translation>Dirección IP de equipo no válida (todo unos = difusión)</translation>
    </message>
</context>
<context>
    <name>octaval::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in LICENSE beside the program. More in README.md.</source>
        <translation>© 2026 los desarrolladores de Octaval. Licencia GPL-3.0-or-later, términos en LICENSE junto al programa. Más en README.md.</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in
/usr/share/doc/octaval/copyright
More in octaval(1) and the README.</source>
        <translation>© 2026 los desarrolladores de Octaval. Licencia GPL-3.0-or-later, términos en
/usr/share/doc/octaval/copyright
Más en octaval(1) y en el README.</translation>
    </message>
    <message>
        <source>Free to share and use. The author accepts no responsibility for any damage or loss of data it may cause.</source>
        <translation>Libre para compartir y usar. El autor no se hace responsable de daños o pérdidas de datos que pueda causar.</translation>
    </message>
    <message>
        <source>%1 %2 calculates subnet and broadcast address via given IP address and subnet mask.</source>
        <translation>%1 %2 calcula la dirección de subred y de difusión a partir de la dirección IP y la máscara.</translation>
    </message>
</context>
<context>
    <name>octaval::frmMain</name>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Subred</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Difusión</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Subnet 1</source>
        <translation>Subred 1</translation>
    </message>
    <message>
        <source>Subnet N</source>
        <translation>Subred N</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Recalcular</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, octeto %2</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Every subnet…</source>
        <translation>Todas las subredes…</translation>
    </message>
    <message>
        <source>Show the working…</source>
        <translation>Mostrar el cálculo…</translation>
    </message>
    <message>
        <source>Practice…</source>
        <translation>Práctica…</translation>
    </message>
    <message>
        <source>Ctrl+L: every subnet</source>
        <translation>Ctrl+L: todas las subredes</translation>
    </message>
    <message>
        <source>Ctrl+B: show the working</source>
        <translation>Ctrl+B: mostrar el cálculo</translation>
    </message>
</context>
<context>
    <name>octaval::frmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Clases</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Clase %1</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Problem IP address</source>
        <translation>Dirección IP del problema</translation>
    </message>
    <message>
        <source>Problem subnet mask</source>
        <translation>Máscara de subred del problema</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, octeto %2</translation>
    </message>
    <message>
        <source>%1, mark</source>
        <translation>%1, corrección</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>&amp;Next problem</source>
        <translation>&amp;Siguiente problema</translation>
    </message>
    <message>
        <source>Show the &amp;working</source>
        <translation>&amp;Mostrar el cálculo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Puntuación: %1 de %2 correctas</translation>
    </message>
</context>
<context>
    <name>octaval::frmSubnets</name>
    <message>
        <source>Subnet</source>
        <translation>Subred</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>First host</source>
        <translation>Primer equipo</translation>
    </message>
    <message>
        <source>Last host</source>
        <translation>Último equipo</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Difusión</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Subredes</translation>
    </message>
    <message>
        <source>Find an address or a subnet number:</source>
        <translation>Buscar una dirección o un número de subred:</translation>
    </message>
    <message>
        <source>Find a subnet</source>
        <translation>Buscar una subred</translation>
    </message>
    <message>
        <source>Ctrl+F: find; Enter selects the row</source>
        <translation>Ctrl+F: buscar; Intro selecciona la fila</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Copy rows</source>
        <translation>Copiar filas</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate in the main window first</source>
        <translation>No hay subredes: pulse primero «Recalcular» en la ventana principal</translation>
    </message>
    <message>
        <source>No subnets to list: %1</source>
        <translation>No hay subredes: %1</translation>
    </message>
    <message>
        <source>%1 %2 of the class %3 network %4 under %5</source>
        <translation>%1 %2 de la red de clase %3 %4 con %5</translation>
    </message>
    <message>
        <source>subnet</source>
        <translation>subred</translation>
    </message>
    <message>
        <source>subnets</source>
        <translation>subredes</translation>
    </message>
    <message>
        <source>Subnet %1</source>
        <translation>Subred %1</translation>
    </message>
    <message>
        <source>Too many rows to copy (%1, at most %2): &quot;%3&quot; writes the whole list</source>
        <translation>Demasiadas filas para copiar (%1, como máximo %2): «%3» escribe toda la lista</translation>
    </message>
    <message>
        <source>Copied 1 row</source>
        <translation>1 fila copiada</translation>
    </message>
    <message>
        <source>Copied %1 rows</source>
        <translation>%1 filas copiadas</translation>
    </message>
    <message>
        <source>Save the subnets as CSV</source>
        <translation>Guardar las subredes como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Saved %1 rows to %2</source>
        <translation>%1 filas guardadas en %2</translation>
    </message>
    <message>
        <source>Cannot save the list to %1: %2</source>
        <translation>No se puede guardar la lista en %1: %2</translation>
    </message>
    <message>
        <source>reserved, all zeros</source>
        <translation>reservada, todo ceros</translation>
    </message>
    <message>
        <source>reserved, all ones</source>
        <translation>reservada, todo unos</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>contiene %1</translation>
    </message>
    <message>
        <source>Class %1 has no subnets</source>
        <translation>La clase %1 no tiene subredes</translation>
    </message>
    <message>
        <source>Type an address or a subnet number</source>
        <translation>Escriba una dirección o un número de subred</translation>
    </message>
    <message>
        <source>There is no subnet %1: they are numbered 0 to %2</source>
        <translation>No hay subred %1: están numeradas de 0 a %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither an address (such as 10.1.2.3) nor a subnet number</source>
        <translation>«%1» no es una dirección (como 10.1.2.3) ni un número de subred</translation>
    </message>
    <message>
        <source>%1 is not in the network %2</source>
        <translation>%1 no está en la red %2</translation>
    </message>
</context>
<context>
    <name>octaval::frmWorking</name>
    <message>
        <source>No working yet: press Recalculate in the main window first.</source>
        <translation>Aún no hay cálculo: pulse primero «Recalcular» en la ventana principal.</translation>
    </message>
    <message>
        <source>the class&apos;s network bits</source>
        <translation>los bits de red de la clase</translation>
    </message>
    <message>
        <source>the subnet bits</source>
        <translation>los bits de subred</translation>
    </message>
    <message>
        <source>the host bits</source>
        <translation>los bits de equipo</translation>
    </message>
    <message>
        <source>no fields</source>
        <translation>ningún campo</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copies the whole working as text (Ctrl+C)</source>
        <translation>Copia todo el cálculo como texto (Ctrl+C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Working of %1 %2: %3</source>
        <translation>Cálculo de %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 in binary</source>
        <translation>%1 en binario</translation>
    </message>
    <message>
        <source>Legend: </source>
        <translation>Leyenda: </translation>
    </message>
    <message>
        <source>class %1 has no network, subnet and host fields</source>
        <translation>la clase %1 no tiene campos de red, subred y equipo</translation>
    </message>
</context>
</TS>
