<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Caption</name>
    <message>
        <source>Subnets</source>
        <translation>Subredes</translation>
    </message>
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
        <translation>Host</translation>
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
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, octeto %2</translation>
    </message>
    <message>
        <source>First host</source>
        <translation>Primer host</translation>
    </message>
    <message>
        <source>Last host</source>
        <translation>Último host</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Network (subnet) address</source>
        <translation>Dirección de red (subred)</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Dirección de difusión</translation>
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
</context>
<context>
    <name>Practice</name>
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
        <translation>Encuentre el error</translation>
    </message>
    <message>
        <source>no subnets</source>
        <translation>sin subredes</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong, expected %1</source>
        <translation>incorrecto; se esperaba: %1</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>sin responder</translation>
    </message>
    <message>
        <source>cannot read %1 as an address</source>
        <translation>no se puede leer %1 como dirección</translation>
    </message>
    <message>
        <source>cannot read %1 as a class</source>
        <translation>no se puede leer %1 como clase</translation>
    </message>
    <message>
        <source>cannot read %1 as a status message</source>
        <translation>no se puede leer %1 como mensaje de estado</translation>
    </message>
    <message>
        <source>cannot read %1 as a number</source>
        <translation>no se puede leer %1 como número</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
    </message>
    <message>
        <source>subnets</source>
        <translation>subredes</translation>
    </message>
    <message>
        <source>subnet</source>
        <translation>subred</translation>
    </message>
    <message>
        <source>hosts</source>
        <translation>hosts</translation>
    </message>
    <message>
        <source>host</source>
        <translation>host</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>bit</translation>
    </message>
    <message>
        <source>%1 is the first usable host; the network address is the one before it, %2, with every host bit 0.</source>
        <translation>%1 es el primer host utilizable; la dirección de red es la anterior, %2, con todos los bits de host a 0.</translation>
    </message>
    <message>
        <source>%1 is the address And the natural mask %2 of class %3; the network comes from the mask given, %4.</source>
        <translation>%1 es la dirección Y la máscara natural %2 de la clase %3; la red se obtiene con la máscara dada, %4.</translation>
    </message>
    <message>
        <source>%1 is the network of a neighbouring block; the blocks are %2 addresses long, and %3 lies in the block from %4 to %5.</source>
        <translation>%1 es la red de un bloque vecino; los bloques tienen %2 direcciones, y %3 está en el bloque de %4 a %5.</translation>
    </message>
    <message>
        <source>%1 is the last usable host; the broadcast address is the one after it, %2, with every host bit 1.</source>
        <translation>%1 es el último host utilizable; la dirección de difusión es la siguiente, %2, con todos los bits de host a 1.</translation>
    </message>
    <message>
        <source>%1 is the network address of the next block; the broadcast address is the one before it, %2.</source>
        <translation>%1 es la dirección de red del bloque siguiente; la dirección de difusión es la anterior, %2.</translation>
    </message>
    <message>
        <source>%1 is the broadcast under the natural mask %2 of class %3; the broadcast comes from the mask given, %4.</source>
        <translation>%1 es la difusión con la máscara natural %2 de la clase %3; la difusión se obtiene con la máscara dada, %4.</translation>
    </message>
    <message>
        <source>%1 is the broadcast of a neighbouring block; the blocks are %2 addresses long, and %3 lies in the block from %4 to %5.</source>
        <translation>%1 es la difusión de un bloque vecino; los bloques tienen %2 direcciones, y %3 está en el bloque de %4 a %5.</translation>
    </message>
    <message>
        <source>%1 is subnet zero, whose subnet bits are all zeros; it is reserved, so Subnet 1 is the next one, %2.</source>
        <translation>%1 es la subred cero, cuyos bits de subred son todos ceros; está reservada, así que la subred 1 es la siguiente, %2.</translation>
    </message>
    <message>
        <source>%1 is the all-ones subnet, whose subnet bits are all ones; it is reserved, so Subnet N is the one before it, %2.</source>
        <translation>%1 es la subred de todo unos, cuyos bits de subred son todos unos; está reservada, así que la subred N es la anterior, %2.</translation>
    </message>
    <message>
        <source>Class %1 starts with the bits %2; the first octet %3 is %4 in binary, and its leading bits %5 give class %6.</source>
        <translation>La clase %1 empieza por los bits %2; el primer octeto %3 es %4 en binario, y sus bits iniciales %5 dan la clase %6.</translation>
    </message>
    <message>
        <source>%1 is the number of the mask&apos;s one bits; the network bits are fixed by the class: class %2 has %3.</source>
        <translation>%1 es el número de bits a 1 de la máscara; los bits de red los fija la clase: la clase %2 tiene %3.</translation>
    </message>
    <message>
        <source>%1 counts every one bit of the mask from octet 1; the class&apos;s first %2 bits are its network bits, and only the one bits after them are subnet bits: %3.</source>
        <translation>%1 cuenta todos los bits a 1 de la máscara desde el octeto 1; los primeros %2 bits son los bits de red de la clase, y solo los bits a 1 que los siguen son bits de subred: %3.</translation>
    </message>
    <message>
        <source>%1 counts the mask&apos;s one bits from octet %2 on, as for a class of %3 network bits; class %4 has %5, so they count from octet %6 on: %7.</source>
        <translation>%1 cuenta los bits a 1 de la máscara desde el octeto %2, como para una clase de %3 bits de red; la clase %4 tiene %5, así que se cuentan desde el octeto %6: %7.</translation>
    </message>
    <message>
        <source>%1 counts every zero bit of the mask; the host bits are those after the class&apos;s and the subnet bits: 32 - %2 - %3 = %4.</source>
        <translation>%1 cuenta todos los bits a 0 de la máscara; los bits de host son los que siguen a los de la clase y a los de subred: 32 - %2 - %3 = %4.</translation>
    </message>
    <message>
        <source>%1 counts every bit after the class&apos;s network bits, from octet %2 on; the %3 subnet bits among them are not host bits: %4.</source>
        <translation>%1 cuenta todos los bits que siguen a los bits de red de la clase, desde el octeto %2; los %3 bits de subred entre ellos no son bits de host: %4.</translation>
    </message>
    <message>
        <source>%1 counts the host bits of octet 4 alone; they begin in octet %2: %3.</source>
        <translation>%1 cuenta solo los bits de host del octeto 4; empiezan en el octeto %2: %3.</translation>
    </message>
    <message>
        <source>%1 is 2^%2, which counts subnet zero and the all-ones subnet; both are reserved, so 2^%2 - 2 = %3 are usable.</source>
        <translation>%1 es 2^%2, que cuenta la subred cero y la subred de todo unos; ambas están reservadas, así que 2^%2 - 2 = %3 son utilizables.</translation>
    </message>
    <message>
        <source>%1 is 2^%2, which counts the network and the broadcast address; neither is a host, so 2^%2 - 2 = %3 are usable.</source>
        <translation>%1 es 2^%2, que cuenta la dirección de red y la de difusión; ninguna es un host, así que 2^%2 - 2 = %3 son utilizables.</translation>
    </message>
    <message>
        <source>%1 is 2^%2 - 1, which leaves out only one of the two reserved subnets; both are reserved: 2^%2 - 2 = %3.</source>
        <translation>%1 es 2^%2 - 1, que deja fuera solo una de las dos subredes reservadas; ambas están reservadas: 2^%2 - 2 = %3.</translation>
    </message>
    <message>
        <source>%1 is 2^%2 - 1, which leaves out only one of the network and the broadcast address; 2^%2 - 2 = %3.</source>
        <translation>%1 es 2^%2 - 1, que deja fuera solo una de las direcciones de red y de difusión; 2^%2 - 2 = %3.</translation>
    </message>
    <message>
        <source>%1 is the answer to %2.</source>
        <translation>%1 es la respuesta a %2.</translation>
    </message>
    <message>
        <source>Step %1 of the working, %2, shows it.</source>
        <translation>El paso %1 del cálculo, %2, lo muestra.</translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 answers right</source>
        <translation>
            <numerusform>Puntuación: %n de %1 respuestas correctas</numerusform>
            <numerusform>Puntuación: %n de %1 respuestas correctas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 answers right, %2 not answered</source>
        <translation>
            <numerusform>Puntuación: %n de %1 respuestas correctas, %2 sin responder</numerusform>
            <numerusform>Puntuación: %n de %1 respuestas correctas, %2 sin responder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1: %n de %2 correctas</numerusform>
            <numerusform>%1: %n de %2 correctas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1?</source>
        <translation>¿%1?</translation>
    </message>
    <message>
        <source>no subnet</source>
        <translation>ninguna subred</translation>
    </message>
    <message>
        <source>no hosts</source>
        <translation>ningún host</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>ningún host</translation>
    </message>
    <message>
        <source>Octaval practice: seed %1, classes %2, level %3 (%4)</source>
        <translation>Práctica de Octaval: semilla %1, clases %2, nivel %3 (%4)</translation>
    </message>
    <message>
        <source>Problem %1: IP address %2, subnet mask %3</source>
        <translation>Problema %1: dirección IP %2, máscara de subred %3</translation>
    </message>
    <message>
        <source>Problem %1 of %2: IP address %3, subnet mask %4</source>
        <translation>Problema %1 de %2: dirección IP %3, máscara de subred %4</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Answer each question and press Enter; an empty line skips it, &quot;?&quot; shows the working. The end of the input (Ctrl+D) ends the session.</source>
        <translation>Responda cada pregunta y pulse Intro; una línea vacía la salta, «?» muestra el cálculo. El final de la entrada (Ctrl+D) termina la sesión.</translation>
    </message>
    <message>
        <source>The status message may be given by its number:</source>
        <translation>El mensaje de estado puede darse por su número:</translation>
    </message>
    <message>
        <source>(1 to 9 or the text)</source>
        <translation>(1 a 9 o el texto)</translation>
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
    <message numerus="yes">
        <source>%n bits, Class %1</source>
        <translation>
            <numerusform>%n bit, clase %1</numerusform>
            <numerusform>%n bits, clase %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, no subnets</source>
        <translation>
            <numerusform>%n bit, sin subredes</numerusform>
            <numerusform>%n bits, sin subredes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 subnets</source>
        <translation>
            <numerusform>%n bit, %1 subredes</numerusform>
            <numerusform>%n bits, %1 subredes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 hosts</source>
        <translation>
            <numerusform>%n bit, %1 hosts</numerusform>
            <numerusform>%n bits, %1 hosts</numerusform>
        </translation>
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
        <translation>Sin hosts</translation>
    </message>
    <message>
        <source>Illegal host ip address (all zeros = network)</source>
        <translation>Dirección IP de host no válida (todo ceros = red)</translation>
    </message>
    <message>
        <source>Illegal host ip address (all ones = broadcast)</source>
        <translation>Dirección IP de host no válida (todo unos = difusión)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>&apos;|&apos; between %1, %2 and %3</source>
        <translation>«|» entre %1, %2 y %3</translation>
    </message>
    <message>
        <source>the class&apos;s network bits (%1)</source>
        <translation>los bits de red de la clase (%1)</translation>
    </message>
    <message>
        <source>the subnet bits (%1)</source>
        <translation>los bits de subred (%1)</translation>
    </message>
    <message>
        <source>the host bits (%1)</source>
        <translation>los bits de host (%1)</translation>
    </message>
    <message>
        <source>class %1 has no network, subnet and host fields</source>
        <translation>la clase %1 no tiene campos de red, subred y host</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1, read as %2</source>
        <translation>%1, leído como %2</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the address.</source>
        <translation>El cálculo se detiene en la comprobación de la lectura de la dirección.</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the mask.</source>
        <translation>El cálculo se detiene en la comprobación de la lectura de la máscara.</translation>
    </message>
    <message>
        <source>The press stops at the check of the address.</source>
        <translation>El cálculo se detiene en la comprobación de la dirección.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s octet values.</source>
        <translation>El cálculo se detiene en la comprobación de los valores de los octetos de la máscara.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask versus the class.</source>
        <translation>El cálculo se detiene en la comprobación de la máscara frente a la clase.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s shape.</source>
        <translation>El cálculo se detiene en la comprobación de la forma de la máscara.</translation>
    </message>
    <message>
        <source>octet %1, %2, is beyond the number range</source>
        <translation>el octeto %1, %2, está fuera del rango de números</translation>
    </message>
    <message>
        <source>octet 4, %1, reads as %2, beyond the range -32768 to 32767 in which its bits are taken</source>
        <translation>el octeto 4, %1, se lee como %2, fuera del rango de -32768 a 32767 en el que se toman sus bits</translation>
    </message>
    <message>
        <source>Every text is read as a number before the checks. Here %1.</source>
        <translation>Cada texto se lee como un número antes de las comprobaciones. Aquí %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is above 255</source>
        <translation>el octeto %1, %2, es mayor que 255</translation>
    </message>
    <message>
        <source>octet %1, %2, is below 0</source>
        <translation>el octeto %1, %2, es menor que 0</translation>
    </message>
    <message>
        <source>octet %1, %2, is not a whole number</source>
        <translation>el octeto %1, %2, no es un número entero</translation>
    </message>
    <message>
        <source>octet %1, %2, is 0</source>
        <translation>el octeto %1, %2, es 0</translation>
    </message>
    <message>
        <source>Every octet of the address must be a whole number from 0 to 255, and the first must not be 0. Here %1.</source>
        <translation>Cada octeto de la dirección debe ser un número entero de 0 a 255, y el primero no puede ser 0. Aquí %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is none of them</source>
        <translation>el octeto %1, %2, no es ninguno de ellos</translation>
    </message>
    <message>
        <source>Every octet of the mask must be one of 255, 254, 252, 248, 240, 224, 192, 128 and 0, the octets of one bits followed by zero bits. Here %1.</source>
        <translation>Cada octeto de la máscara debe ser uno de 255, 254, 252, 248, 240, 224, 192, 128 y 0, los octetos de bits a uno seguidos de bits a cero. Aquí %1.</translation>
    </message>
    <message>
        <source>octet 2 (%1) is below octet 1 (%2), and then octets 3 and 4 must not both be above 0; they are %3 and %4</source>
        <translation>el octeto 2 (%1) es menor que el octeto 1 (%2), y entonces los octetos 3 y 4 no pueden ser ambos mayores que 0; son %3 y %4</translation>
    </message>
    <message>
        <source>octet 3 (%1) is below octet 2 (%2), and then octet 4 must be 0; it is %3</source>
        <translation>el octeto 3 (%1) es menor que el octeto 2 (%2), y entonces el octeto 4 debe ser 0; es %3</translation>
    </message>
    <message>
        <source>octet 1 is %1, not 255</source>
        <translation>el octeto 1 es %1, no 255</translation>
    </message>
    <message>
        <source>octet %1 (%2) is above octet %3 (%4)</source>
        <translation>el octeto %1 (%2) es mayor que el octeto %3 (%4)</translation>
    </message>
    <message>
        <source>A mask starts with 255 and its octets never rise from left to right; below a 255 only the last octet may fall again to 0 (255.a.b.0). Here %1.</source>
        <translation>Una máscara empieza por 255 y sus octetos nunca crecen de izquierda a derecha; bajo un 255 solo el último octeto puede volver a caer a 0 (255.a.b.0). Aquí %1.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Classes D and E have no network, subnet and host fields: no subnet bits, and the findings look at the whole address, bits 1 to 32, as its host field.</source>
        <translation>Las clases D y E no tienen campos de red, subred y host: no hay bits de subred, y los resultados toman la dirección entera, bits 1 a 32, como su campo de host.</translation>
    </message>
    <message>
        <source>The first octet, %1, is %2 in binary.</source>
        <translation>El primer octeto, %1, es %2 en binario.</translation>
    </message>
    <message>
        <source>Its leading bits %1 give class %2 (first octet %3 to %4): %5.</source>
        <translation>Sus bits iniciales %1 dan la clase %2 (primer octeto de %3 a %4): %5.</translation>
    </message>
    <message>
        <source>Natural mask</source>
        <translation>Máscara natural</translation>
    </message>
    <message>
        <source>Class %1&apos;s natural mask is %2: one bits for its %3 network bits.</source>
        <translation>La máscara natural de la clase %1 es %2: bits a uno para sus %3 bits de red.</translation>
    </message>
    <message>
        <source>The mask %1 has no one bits beyond the class&apos;s %2: no subnet bits.</source>
        <translation>La máscara %1 no tiene bits a uno más allá de los %2 de la clase: no hay bits de subred.</translation>
    </message>
    <message>
        <source>octet %1, %2 = %3, gives %4</source>
        <translation>el octeto %1, %2 = %3, da %4</translation>
    </message>
    <message>
        <source>The rest are host bits: 32 - %1 - %2 = %3.</source>
        <translation>El resto son bits de host: 32 - %1 - %2 = %3.</translation>
    </message>
    <message>
        <source>Subnet and host bits</source>
        <translation>Bits de subred y de host</translation>
    </message>
    <message>
        <source>Without subnet bits the network is not subnetted: %1.</source>
        <translation>Sin bits de subred la red no está dividida en subredes: %1.</translation>
    </message>
    <message>
        <source>Hosts</source>
        <translation>Hosts</translation>
    </message>
    <message>
        <source>%1 - 2 = %2 usable hosts in each subnet: host bits all zeros name the subnet itself, all ones its broadcast address.</source>
        <translation>%1 - 2 = %2 hosts utilizables en cada subred: los bits de host todo ceros designan la propia subred, todo unos su dirección de difusión.</translation>
    </message>
    <message>
        <source>subnet %1 is %2</source>
        <translation>la subred %1 es %2</translation>
    </message>
    <message>
        <source>Block size</source>
        <translation>Tamaño de bloque</translation>
    </message>
    <message>
        <source>The mask&apos;s subnet bits are not one run of bits, so the subnets do not follow each other in steps of one size: %1.</source>
        <translation>Los bits de subred de la máscara no forman una serie continua, así que las subredes no se suceden en pasos de un mismo tamaño: %1.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3 and so on.</source>
        <translation>El último bit de subred vale %1 en el octeto %2, así que las subredes se suceden ahí en pasos de %1: %3 y así sucesivamente.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3.</source>
        <translation>El último bit de subred vale %1 en el octeto %2, así que las subredes se suceden ahí en pasos de %1: %3.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all zeros).</source>
        <translation>Los bits de subred de la dirección son %1: subred %2 de 0 a %3, reservada (todo ceros).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all ones).</source>
        <translation>Los bits de subred de la dirección son %1: subred %2 de 0 a %3, reservada (todo unos).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, not reserved.</source>
        <translation>Los bits de subred de la dirección son %1: subred %2 de 0 a %3, no reservada.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet</source>
        <translation>La subred de la dirección</translation>
    </message>
    <message>
        <source>The network Or the inverted mask: %1 Or %2 = %3, the bits that the mask leaves all set to 1.</source>
        <translation>La red O la máscara invertida: %1 O %2 = %3, los bits que la máscara deja libres, todos puestos a 1.</translation>
    </message>
    <message>
        <source>First and last subnet</source>
        <translation>Primera y última subred</translation>
    </message>
    <message>
        <source>Without subnet bits there are no subnets: the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Sin bits de subred no hay subredes: las filas Subred 1 y Subred N quedan vacías.</translation>
    </message>
    <message>
        <source>With one subnet bit both subnets are reserved: there is no usable subnet, and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Con un solo bit de subred las dos subredes están reservadas: no hay ninguna subred utilizable, y las filas Subred 1 y Subred N quedan vacías.</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N).</source>
        <translation>La red con los bits %1 a %2 puestos a %3 y a %4: la subred 1 es %5 y la subred %6 es %7 (las filas Subred 1 y Subred N).</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N). With this mask those are not the mask&apos;s own subnet bits, which number the subnets above (subnet 1 is %8).</source>
        <translation>La red con los bits %1 a %2 puestos a %3 y a %4: la subred 1 es %5 y la subred %6 es %7 (las filas Subred 1 y Subred N). Con esta máscara esos no son los bits de subred propios de la máscara, que numeran las subredes de arriba (la subred 1 es %8).</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all zeros, %3</source>
        <translation>bit %1, es %2: todo ceros, %3</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all ones, %3</source>
        <translation>bit %1, es %2: todo unos, %3</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all zeros, %4</source>
        <translation>bits %1 a %2, es %3: todo ceros, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all ones, %4</source>
        <translation>bits %1 a %2, es %3: todo unos, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: neither all zeros nor all ones</source>
        <translation>bits %1 a %2, es %3: ni todo ceros ni todo unos</translation>
    </message>
    <message>
        <source>The subnet field of the network, %1.</source>
        <translation>El campo de subred de la red, %1.</translation>
    </message>
    <message>
        <source>The mask leaves no host bits: %1, and the press ends there: the Network, Subnet and Host lines and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>La máscara no deja bits de host: %1, y el cálculo termina ahí: las líneas Red, Subred y Host y las filas Subred 1 y Subred N quedan vacías.</translation>
    </message>
    <message>
        <source>The host field of the address, %1.</source>
        <translation>El campo de host de la dirección, %1.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>The status is %1, and every output box stays empty.</source>
        <translation>El estado es %1, y todas las casillas de resultado quedan vacías.</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Working of %1 %2: %3</source>
        <translation>Cálculo de %1 %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Its leading bits %1 give class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</source>
        <comment>Its leading bit %1 gives class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</comment>
        <translation>
            <numerusform>Su bit inicial %1 da la clase %2 (primer octeto de %3 a %4), cuya red son los %5 primeros bits de la dirección.</numerusform>
            <numerusform>Sus bits iniciales %1 dan la clase %2 (primer octeto de %3 a %4), cuya red son los %5 primeros bits de la dirección.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved. Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</source>
        <comment>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved (with one subnet bit, both of them). Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</comment>
        <translation>
            <numerusform>%1 - 2 = %2 subredes utilizables: las subredes cuyos bits de subred son todo ceros o todo unos están reservadas (con un solo bit de subred, las dos). Donde se pueden usar la subred cero y la subred de todo unos, %1 = %3 subredes.</numerusform>
            <numerusform>%1 - 2 = %2 subredes utilizables: las subredes cuyos bits de subred son todo ceros o todo unos están reservadas. Donde se pueden usar la subred cero y la subred de todo unos, %1 = %3 subredes.</numerusform>
        </translation>
    </message>
    <message>
        <source>an empty box reads as 0</source>
        <translation>una casilla vacía se lee como 0</translation>
    </message>
    <message>
        <source>blanks are skipped</source>
        <translation>los espacios se omiten</translation>
    </message>
    <message>
        <source>&amp;H starts a hexadecimal number</source>
        <translation>&amp;H inicia un número hexadecimal</translation>
    </message>
    <message>
        <source>&amp;O starts an octal number</source>
        <translation>&amp;O inicia un número octal</translation>
    </message>
    <message>
        <source>the letter %1 starts a power of ten</source>
        <translation>la letra %1 inicia una potencia de diez</translation>
    </message>
    <message>
        <source>it does not start with a number, so it reads as 0</source>
        <translation>no empieza por un número, así que se lee como 0</translation>
    </message>
    <message>
        <source>reading stops at %1, which cannot continue the number</source>
        <translation>la lectura se detiene en %1, que no puede continuar el número</translation>
    </message>
    <message>
        <source>written otherwise, it is the same number</source>
        <translation>escrito de otro modo, es el mismo número</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Octet %1 of the address, %2, reads as %3: %4.</source>
        <translation>El octeto %1 de la dirección, %2, se lee como %3: %4.</translation>
    </message>
    <message>
        <source>Octet %1 of the mask, %2, reads as %3: %4.</source>
        <translation>El octeto %1 de la máscara, %2, se lee como %3: %4.</translation>
    </message>
    <message numerus="yes">
        <source>For a first octet above %1 and below %2, as %3 is, the mask must have a 255 among its first %n octets. The mask %4 has none.</source>
        <comment>For a first octet above %1 and below %2, as %3 is, the mask&apos;s first octet must be 255. The mask %4 has another.</comment>
        <translation>
            <numerusform>Para un primer octeto mayor que %1 y menor que %2, como %3, el primer octeto de la máscara debe ser 255. La máscara %4 tiene otro valor.</numerusform>
            <numerusform>Para un primer octeto mayor que %1 y menor que %2, como %3, la máscara debe tener un 255 entre sus %n primeros octetos. La máscara %4 no tiene ninguno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A single 255 there is enough: the check does not ask the mask to cover the class&apos;s network bits, which the class fixes whatever the mask.</source>
        <comment>That is the whole rule: the check asks nothing of the mask&apos;s other octets.</comment>
        <translation>
            <numerusform>Esa es toda la regla: la comprobación no exige nada de los demás octetos de la máscara.</numerusform>
            <numerusform>Basta con un solo 255: la comprobación no exige que la máscara cubra los bits de red de la clase, que la clase fija sea cual sea la máscara.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mask %1 is shorter than class %2&apos;s %3 network bits; the class still fixes them.</source>
        <translation>La máscara %1 es más corta que los %3 bits de red de la clase %2; la clase los fija igualmente.</translation>
    </message>
    <message>
        <source>Beyond them the mask has no one bits: no subnet bits.</source>
        <translation>Más allá, la máscara no tiene bits a 1: ningún bit de subred.</translation>
    </message>
    <message numerus="yes">
        <source>Beyond them the mask has %1 one bits (%2): these are the subnet bits.</source>
        <comment>Beyond them the mask has %1 one bit (%2): this is the subnet bit.</comment>
        <translation>
            <numerusform>Más allá, la máscara tiene %1 bit a 1 (%2): es el bit de subred.</numerusform>
            <numerusform>Más allá, la máscara tiene %1 bits a 1 (%2): son los bits de subred.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The mask %1 has %2 one bits beyond the class&apos;s %3 (%4): these are the subnet bits.</source>
        <comment>The mask %1 has %2 one bit beyond the class&apos;s %3 (%4): this is the subnet bit.</comment>
        <translation>
            <numerusform>La máscara %1 tiene %2 bit a 1 más allá de los %3 de la clase (%4): es el bit de subred.</numerusform>
            <numerusform>La máscara %1 tiene %2 bits a 1 más allá de los %3 de la clase (%4): son los bits de subred.</numerusform>
        </translation>
    </message>
    <message>
        <source>The press tests fields of these lengths right after the class&apos;s bits: bits %1 to %2 as the subnet field and bits %3 to 32 as the host field. With this mask they are not where its one bits lie, which the bit rows mark: the press&apos;s fields decide the status and the rows Subnet 1 and Subnet N, the mask&apos;s bits the network and the broadcast.</source>
        <translation>El cálculo comprueba campos de estas longitudes justo después de los bits de la clase: los bits %1 a %2 como campo de subred y los bits %3 a 32 como campo de host. Con esta máscara no están donde están sus bits a 1, que marcan las filas de bits: los campos del cálculo deciden el estado y las filas Subred 1 y Subred N; los bits de la máscara, la red y la difusión.</translation>
    </message>
    <message>
        <source>%1 - 2 = %2 usable hosts in the network: host bits all zeros name the network itself, all ones its broadcast address.</source>
        <translation>%1 - 2 = %2 hosts utilizables en la red: los bits de host todo ceros designan la propia red, todo unos su dirección de difusión.</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: all zeros, so it takes the address&apos;s subnet as reserved (all zeros).</source>
        <translation>Sin embargo, el cálculo lee los bits %1 a %2 de la red, %3: todo ceros, así que toma la subred de la dirección como reservada (todo ceros).</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: all ones, so it takes the address&apos;s subnet as reserved (all ones).</source>
        <translation>Sin embargo, el cálculo lee los bits %1 a %2 de la red, %3: todo unos, así que toma la subred de la dirección como reservada (todo unos).</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: neither all zeros nor all ones, so it takes the address&apos;s subnet as not reserved.</source>
        <translation>Sin embargo, el cálculo lee los bits %1 a %2 de la red, %3: ni todo ceros ni todo unos, así que toma la subred de la dirección como no reservada.</translation>
    </message>
    <message>
        <source>The address&apos;s bits under the mask&apos;s subnet bits read %1: subnet %2 of 0 to %3 in the list of every subnet.</source>
        <translation>Los bits de la dirección bajo los bits de subred de la máscara son %1: subred %2 de 0 a %3 en la lista de todas las subredes.</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1; this is the network address, which the row Subnet shows. The mask being shorter than the class clears network bits too, where the class&apos;s network bits and the subnet bits alone give %4.</source>
        <translation>La dirección Y la máscara: %1 Y %2 = %3, cada bit a 1 solo donde ambos son 1; es la dirección de red, que muestra la fila Subred. La máscara, más corta que la clase, borra también bits de red, donde los bits de red de la clase y los de subred solos dan %4.</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1; this is the network address, which the row Subnet shows.</source>
        <translation>La dirección Y la máscara: %1 Y %2 = %3, cada bit a 1 solo donde ambos son 1; es la dirección de red, que muestra la fila Subred.</translation>
    </message>
    <message>
        <source>The later finding replaces the earlier one: the status is %1.</source>
        <translation>El hallazgo posterior sustituye al anterior: el estado es %1.</translation>
    </message>
    <message>
        <source>The status is %1.</source>
        <translation>El estado es %1.</translation>
    </message>
    <message>
        <source>With no finding the status stays %1.</source>
        <translation>Sin hallazgos, el estado sigue siendo %1.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
</context>
<context>
    <name>octaval::frmAbout</name>
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
    <message>
        <source>OK</source>
        <comment>the button that closes the window</comment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>octaval::frmMain</name>
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
        <translation>Control+L: todas las subredes</translation>
    </message>
    <message>
        <source>Ctrl+B: show the working</source>
        <translation>Control+B: mostrar el cálculo</translation>
    </message>
    <message>
        <source>Ctrl+P: practice</source>
        <translation>Ctrl+P: práctica</translation>
    </message>
</context>
<context>
    <name>octaval::frmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
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
        <source>%1, mark</source>
        <translation>%1, corrección</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
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
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Cla&amp;sses</source>
        <translation>C&amp;lases</translation>
    </message>
    <message>
        <source>The last session: %1.</source>
        <translation>La última sesión: %1.</translation>
    </message>
    <message>
        <source>Problem %1 of %2</source>
        <translation>Problema %1 de %2</translation>
    </message>
    <message>
        <source>Counted at the first check of each problem</source>
        <translation>Contado en la primera comprobación de cada problema</translation>
    </message>
    <message>
        <source>&amp;Print worksheet…</source>
        <translation>&amp;Imprimir hoja de ejercicios…</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimir hoja de ejercicios</translation>
    </message>
    <message>
        <source>Add the answer key, on a page of its own after the problems?</source>
        <translation>¿Añadir las soluciones, en una página aparte después de los problemas?</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language tag of this translation, for the printed worksheet</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>Save the worksheet as PDF</source>
        <translation>Guardar la hoja de ejercicios como PDF</translation>
    </message>
    <message>
        <source>worksheet.pdf</source>
        <comment>the file name offered</comment>
        <translation>hoja-de-ejercicios.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>octaval::frmSubnets</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
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
        <translation>Control+F: buscar; Intro selecciona la fila</translation>
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
        <translation>Ficheros CSV (*.csv);;Todos los ficheros (*)</translation>
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
    <message numerus="yes">
        <source>%n subnets</source>
        <comment>%n subnet</comment>
        <translation>
            <numerusform>%n subred</numerusform>
            <numerusform>%n subredes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n usable</source>
        <translation>
            <numerusform>%n utilizable</numerusform>
            <numerusform>%n utilizables</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 of the class %3 network %4 under %5</source>
        <translation>%1 de la red de clase %3 %4 con la máscara %5, de las cuales %2</translation>
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
        <translation>los bits de host</translation>
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
        <translation>Copia todo el cálculo como texto (Control+C)</translation>
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
        <source>Step %1 of %2: %3. %4</source>
        <translation>Paso %1 de %2: %3. %4</translation>
    </message>
</context>
<context>
    <name>octaval::web</name>
    <message>
        <source>No working yet: press Recalculate first.</source>
        <translation>Aún no hay cálculo: pulse primero «Recalcular».</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>with the answer key on a page of its own</source>
        <translation>con las soluciones en una página aparte</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate first</source>
        <translation>No hay subredes: pulse primero «Recalcular»</translation>
    </message>
    <message>
        <source>The link #%1 names no press: %2</source>
        <translation>El enlace #%1 no indica ningún cálculo: %2</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615, not “%1”</source>
        <translation>La semilla es un número entero de 0 a 18446744073709551615, no «%1»</translation>
    </message>
    <message>
        <source>a part has more than three characters</source>
        <translation>una parte tiene más de tres caracteres</translation>
    </message>
</context>
</TS>
