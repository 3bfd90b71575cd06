<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Caption</name>
    <message>
        <source>Subnets</source>
        <translation>Sous-réseaux</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Sous-réseau</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Subnet 1</source>
        <translation>S.-réseau 1</translation>
    </message>
    <message>
        <source>Subnet N</source>
        <translation>S.-réseau N</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, octet %2</translation>
    </message>
    <message>
        <source>First host</source>
        <translation>Premier hôte</translation>
    </message>
    <message>
        <source>Last host</source>
        <translation>Dernier hôte</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Network (subnet) address</source>
        <translation>Adresse du réseau (sous-réseau)</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Adresse de diffusion</translation>
    </message>
    <message>
        <source>Network bits of the class</source>
        <translation>Bits de réseau de la classe</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Bits de sous-réseau</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Bits d’hôte</translation>
    </message>
    <message>
        <source>Usable subnets</source>
        <translation>Sous-réseaux utilisables</translation>
    </message>
    <message>
        <source>Usable hosts per subnet</source>
        <translation>Hôtes utilisables par sous-réseau</translation>
    </message>
    <message>
        <source>First usable subnet (Subnet 1)</source>
        <translation>Premier sous-réseau utilisable (sous-réseau 1)</translation>
    </message>
    <message>
        <source>Last usable subnet (Subnet N)</source>
        <translation>Dernier sous-réseau utilisable (sous-réseau N)</translation>
    </message>
    <message>
        <source>Status message</source>
        <translation>Message d’état</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Natural masks only</source>
        <translation>Masques naturels seulement</translation>
    </message>
    <message>
        <source>Contiguous masks</source>
        <translation>Masques contigus</translation>
    </message>
    <message>
        <source>Any mask the checks accept</source>
        <translation>Tout masque que les contrôles acceptent</translation>
    </message>
    <message>
        <source>Spot the fault</source>
        <translation>Trouvez l’erreur</translation>
    </message>
    <message>
        <source>no subnets</source>
        <translation>aucun sous-réseau</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong, expected %1</source>
        <translation>faux, attendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>sans réponse</translation>
    </message>
    <message>
        <source>cannot read %1 as an address</source>
        <translation>impossible de lire %1 comme une adresse</translation>
    </message>
    <message>
        <source>cannot read %1 as a class</source>
        <translation>impossible de lire %1 comme une classe</translation>
    </message>
    <message>
        <source>cannot read %1 as a status message</source>
        <translation>impossible de lire %1 comme un message d’état</translation>
    </message>
    <message>
        <source>cannot read %1 as a number</source>
        <translation>impossible de lire %1 comme un nombre</translation>
    </message>
    <message>
        <source>class</source>
        <translation>classe</translation>
    </message>
    <message>
        <source>subnets</source>
        <translation>sous-réseaux</translation>
    </message>
    <message>
        <source>subnet</source>
        <translation>sous-réseau</translation>
    </message>
    <message>
        <source>hosts</source>
        <translation>hôtes</translation>
    </message>
    <message>
        <source>host</source>
        <translation>hôte</translation>
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
        <translation>%1 est le premier hôte utilisable&#xa0;; l’adresse de réseau est celle qui le précède, %2, avec tous les bits d’hôte à 0.</translation>
    </message>
    <message>
        <source>%1 is the address And the natural mask %2 of class %3; the network comes from the mask given, %4.</source>
        <translation>%1 est l’adresse ET le masque naturel %2 de la classe %3&#xa0;; le réseau se calcule avec le masque donné, %4.</translation>
    </message>
    <message>
        <source>%1 is the network of a neighbouring block; the blocks are %2 addresses long, and %3 lies in the block from %4 to %5.</source>
        <translation>%1 est le réseau d’un bloc voisin&#xa0;; les blocs comptent %2 adresses, et %3 se trouve dans le bloc de %4 à %5.</translation>
    </message>
    <message>
        <source>%1 is the last usable host; the broadcast address is the one after it, %2, with every host bit 1.</source>
        <translation>%1 est le dernier hôte utilisable&#xa0;; l’adresse de diffusion est celle qui le suit, %2, avec tous les bits d’hôte à 1.</translation>
    </message>
    <message>
        <source>%1 is the network address of the next block; the broadcast address is the one before it, %2.</source>
        <translation>%1 est l’adresse de réseau du bloc suivant&#xa0;; l’adresse de diffusion est celle qui la précède, %2.</translation>
    </message>
    <message>
        <source>%1 is the broadcast under the natural mask %2 of class %3; the broadcast comes from the mask given, %4.</source>
        <translation>%1 est la diffusion sous le masque naturel %2 de la classe %3&#xa0;; la diffusion se calcule avec le masque donné, %4.</translation>
    </message>
    <message>
        <source>%1 is the broadcast of a neighbouring block; the blocks are %2 addresses long, and %3 lies in the block from %4 to %5.</source>
        <translation>%1 est la diffusion d’un bloc voisin&#xa0;; les blocs comptent %2 adresses, et %3 se trouve dans le bloc de %4 à %5.</translation>
    </message>
    <message>
        <source>%1 is subnet zero, whose subnet bits are all zeros; it is reserved, so Subnet 1 is the next one, %2.</source>
        <translation>%1 est le sous-réseau zéro, dont les bits de sous-réseau sont tous à 0&#xa0;; il est réservé, donc le sous-réseau 1 est le suivant, %2.</translation>
    </message>
    <message>
        <source>%1 is the all-ones subnet, whose subnet bits are all ones; it is reserved, so Subnet N is the one before it, %2.</source>
        <translation>%1 est le sous-réseau tout à 1, dont les bits de sous-réseau sont tous à 1&#xa0;; il est réservé, donc le sous-réseau N est celui qui le précède, %2.</translation>
    </message>
    <message>
        <source>Class %1 starts with the bits %2; the first octet %3 is %4 in binary, and its leading bits %5 give class %6.</source>
        <translation>La classe %1 commence par les bits %2&#xa0;; le premier octet %3 s’écrit %4 en binaire, et ses bits de tête %5 donnent la classe %6.</translation>
    </message>
    <message>
        <source>%1 is the number of the mask&apos;s one bits; the network bits are fixed by the class: class %2 has %3.</source>
        <translation>%1 est le nombre de bits à 1 du masque&#xa0;; les bits de réseau sont fixés par la classe&#xa0;: la classe %2 en a %3.</translation>
    </message>
    <message>
        <source>%1 counts every one bit of the mask from octet 1; the class&apos;s first %2 bits are its network bits, and only the one bits after them are subnet bits: %3.</source>
        <translation>%1 compte tous les bits à 1 du masque depuis l’octet 1&#xa0;; les %2 premiers bits sont les bits de réseau de la classe, et seuls les bits à 1 qui les suivent sont des bits de sous-réseau&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 counts the mask&apos;s one bits from octet %2 on, as for a class of %3 network bits; class %4 has %5, so they count from octet %6 on: %7.</source>
        <translation>%1 compte les bits à 1 du masque à partir de l’octet %2, comme pour une classe de %3 bits de réseau&#xa0;; la classe %4 en a %5, on compte donc à partir de l’octet %6&#xa0;: %7.</translation>
    </message>
    <message>
        <source>%1 counts every zero bit of the mask; the host bits are those after the class&apos;s and the subnet bits: 32 - %2 - %3 = %4.</source>
        <translation>%1 compte tous les bits à 0 du masque&#xa0;; les bits d’hôte sont ceux qui suivent les bits de la classe et de sous-réseau&#xa0;: 32 - %2 - %3 = %4.</translation>
    </message>
    <message>
        <source>%1 counts every bit after the class&apos;s network bits, from octet %2 on; the %3 subnet bits among them are not host bits: %4.</source>
        <translation>%1 compte tous les bits qui suivent les bits de réseau de la classe, à partir de l’octet %2&#xa0;; les %3 bits de sous-réseau parmi eux ne sont pas des bits d’hôte&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1 counts the host bits of octet 4 alone; they begin in octet %2: %3.</source>
        <translation>%1 ne compte que les bits d’hôte de l’octet 4&#xa0;; ils commencent dans l’octet %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 is 2^%2, which counts subnet zero and the all-ones subnet; both are reserved, so 2^%2 - 2 = %3 are usable.</source>
        <translation>%1 vaut 2^%2, ce qui compte le sous-réseau zéro et le sous-réseau tout à 1&#xa0;; tous deux sont réservés, donc 2^%2 - 2 = %3 sont utilisables.</translation>
    </message>
    <message>
        <source>%1 is 2^%2, which counts the network and the broadcast address; neither is a host, so 2^%2 - 2 = %3 are usable.</source>
        <translation>%1 vaut 2^%2, ce qui compte l’adresse de réseau et l’adresse de diffusion&#xa0;; aucune n’est un hôte, donc 2^%2 - 2 = %3 sont utilisables.</translation>
    </message>
    <message>
        <source>%1 is 2^%2 - 1, which leaves out only one of the two reserved subnets; both are reserved: 2^%2 - 2 = %3.</source>
        <translation>%1 vaut 2^%2 - 1, ce qui n’écarte qu’un des deux sous-réseaux réservés&#xa0;; tous deux sont réservés&#xa0;: 2^%2 - 2 = %3.</translation>
    </message>
    <message>
        <source>%1 is 2^%2 - 1, which leaves out only one of the network and the broadcast address; 2^%2 - 2 = %3.</source>
        <translation>%1 vaut 2^%2 - 1, ce qui n’écarte que l’une des adresses de réseau et de diffusion&#xa0;; 2^%2 - 2 = %3.</translation>
    </message>
    <message>
        <source>%1 is the answer to %2.</source>
        <translation>%1 est la réponse à %2.</translation>
    </message>
    <message>
        <source>Step %1 of the working, %2, shows it.</source>
        <translation>L’étape %1 du détail du calcul, %2, le montre.</translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 answers right</source>
        <translation>
            <numerusform>Score&#xa0;: %n réponse juste sur %1</numerusform>
            <numerusform>Score&#xa0;: %n réponses justes sur %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 answers right, %2 not answered</source>
        <translation>
            <numerusform>Score&#xa0;: %n réponse juste sur %1, %2 sans réponse</numerusform>
            <numerusform>Score&#xa0;: %n réponses justes sur %1, %2 sans réponse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1&#xa0;: %n juste sur %2</numerusform>
            <numerusform>%1&#xa0;: %n justes sur %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>%1?</source>
        <translation>%1&#xa0;?</translation>
    </message>
    <message>
        <source>no subnet</source>
        <translation>aucun sous-réseau</translation>
    </message>
    <message>
        <source>no hosts</source>
        <translation>aucun hôte</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>aucun hôte</translation>
    </message>
    <message>
        <source>Octaval practice: seed %1, classes %2, level %3 (%4)</source>
        <translation>Exercices Octaval&#xa0;: graine %1, classes %2, niveau %3 (%4)</translation>
    </message>
    <message>
        <source>Problem %1: IP address %2, subnet mask %3</source>
        <translation>Exercice %1&#xa0;: adresse IP %2, masque de sous-réseau %3</translation>
    </message>
    <message>
        <source>Problem %1 of %2: IP address %3, subnet mask %4</source>
        <translation>Exercice %1 sur %2&#xa0;: adresse IP %3, masque de sous-réseau %4</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Answer each question and press Enter; an empty line skips it, &quot;?&quot; shows the working. The end of the input (Ctrl+D) ends the session.</source>
        <translation>Répondez à chaque question puis appuyez sur Entrée&#xa0;; une ligne vide la passe, «&#x202f;?&#x202f;» montre le détail du calcul. La fin de l’entrée (Ctrl+D) termine la séance.</translation>
    </message>
    <message>
        <source>The status message may be given by its number:</source>
        <translation>Le message d’état peut être donné par son numéro&#xa0;:</translation>
    </message>
    <message>
        <source>(1 to 9 or the text)</source>
        <translation>(1 à 9 ou le texte)</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Multicast, Class D</source>
        <translation>Multidiffusion, classe D</translation>
    </message>
    <message>
        <source>Research, Class E</source>
        <translation>Recherche, classe E</translation>
    </message>
    <message numerus="yes">
        <source>%n bits, Class %1</source>
        <translation>
            <numerusform>%n bit, classe %1</numerusform>
            <numerusform>%n bits, classe %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, no subnets</source>
        <translation>
            <numerusform>%n bit, aucun sous-réseau</numerusform>
            <numerusform>%n bits, aucun sous-réseau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 subnets</source>
        <translation>
            <numerusform>%n bit, %1 sous-réseau</numerusform>
            <numerusform>%n bits, %1 sous-réseaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 hosts</source>
        <translation>
            <numerusform>%n bit, %1 hôte</numerusform>
            <numerusform>%n bits, %1 hôtes</numerusform>
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
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Illegal subnet mask</source>
        <translation>Masque de sous-réseau non valide</translation>
    </message>
    <message>
        <source>Illegal subnet mask versus network class</source>
        <translation>Masque de sous-réseau incompatible avec la classe du réseau</translation>
    </message>
    <message>
        <source>Illegal subnet (all zeros) or use subnet-zero</source>
        <translation>Sous-réseau non valide (tous à 0) ou utiliser subnet-zero</translation>
    </message>
    <message>
        <source>Illegal subnet (all ones)</source>
        <translation>Sous-réseau non valide (tous à 1)</translation>
    </message>
    <message>
        <source>No host(s)</source>
        <translation>Aucun hôte</translation>
    </message>
    <message>
        <source>Illegal host ip address (all zeros = network)</source>
        <translation>Adresse IP d’hôte non valide (tous à 0 = réseau)</translation>
    </message>
    <message>
        <source>Illegal host ip address (all ones = broadcast)</source>
        <translation>Adresse IP d’hôte non valide (tous à 1 = diffusion)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>&apos;|&apos; between %1, %2 and %3</source>
        <translation>«&#x202f;|&#x202f;» entre %1, %2 et %3</translation>
    </message>
    <message>
        <source>the class&apos;s network bits (%1)</source>
        <translation>les bits de réseau de la classe (%1)</translation>
    </message>
    <message>
        <source>the subnet bits (%1)</source>
        <translation>les bits de sous-réseau (%1)</translation>
    </message>
    <message>
        <source>the host bits (%1)</source>
        <translation>les bits d’hôte (%1)</translation>
    </message>
    <message>
        <source>class %1 has no network, subnet and host fields</source>
        <translation>la classe %1 n’a pas de champs réseau, sous-réseau et hôte</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>%1, read as %2</source>
        <translation>%1, lu comme %2</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the address.</source>
        <translation>Le calcul s’arrête au contrôle de la lecture de l’adresse.</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the mask.</source>
        <translation>Le calcul s’arrête au contrôle de la lecture du masque.</translation>
    </message>
    <message>
        <source>The press stops at the check of the address.</source>
        <translation>Le calcul s’arrête au contrôle de l’adresse.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s octet values.</source>
        <translation>Le calcul s’arrête au contrôle des valeurs des octets du masque.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask versus the class.</source>
        <translation>Le calcul s’arrête au contrôle du masque par rapport à la classe.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s shape.</source>
        <translation>Le calcul s’arrête au contrôle de la forme du masque.</translation>
    </message>
    <message>
        <source>octet %1, %2, is beyond the number range</source>
        <translation>l’octet %1, %2, dépasse la plage des nombres</translation>
    </message>
    <message>
        <source>octet 4, %1, reads as %2, beyond the range -32768 to 32767 in which its bits are taken</source>
        <translation>l’octet 4, %1, se lit comme %2, hors de la plage de -32768 à 32767 dans laquelle ses bits sont pris</translation>
    </message>
    <message>
        <source>Every text is read as a number before the checks. Here %1.</source>
        <translation>Chaque texte est lu comme un nombre avant les contrôles. Ici, %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is above 255</source>
        <translation>l’octet %1, %2, est supérieur à 255</translation>
    </message>
    <message>
        <source>octet %1, %2, is below 0</source>
        <translation>l’octet %1, %2, est inférieur à 0</translation>
    </message>
    <message>
        <source>octet %1, %2, is not a whole number</source>
        <translation>l’octet %1, %2, n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>octet %1, %2, is 0</source>
        <translation>l’octet %1, %2, vaut 0</translation>
    </message>
    <message>
        <source>Every octet of the address must be a whole number from 0 to 255, and the first must not be 0. Here %1.</source>
        <translation>Chaque octet de l’adresse doit être un nombre entier de 0 à 255, et le premier ne doit pas valoir 0. Ici, %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is none of them</source>
        <translation>l’octet %1, %2, n’en fait pas partie</translation>
    </message>
    <message>
        <source>Every octet of the mask must be one of 255, 254, 252, 248, 240, 224, 192, 128 and 0, the octets of one bits followed by zero bits. Here %1.</source>
        <translation>Chaque octet du masque doit valoir 255, 254, 252, 248, 240, 224, 192, 128 ou 0, les octets faits de bits à un suivis de bits à zéro. Ici, %1.</translation>
    </message>
    <message>
        <source>octet 2 (%1) is below octet 1 (%2), and then octets 3 and 4 must not both be above 0; they are %3 and %4</source>
        <translation>l’octet 2 (%1) est inférieur à l’octet 1 (%2), et alors les octets 3 et 4 ne doivent pas être tous deux supérieurs à 0&#x202f;; ils valent %3 et %4</translation>
    </message>
    <message>
        <source>octet 3 (%1) is below octet 2 (%2), and then octet 4 must be 0; it is %3</source>
        <translation>l’octet 3 (%1) est inférieur à l’octet 2 (%2), et alors l’octet 4 doit valoir 0&#x202f;; il vaut %3</translation>
    </message>
    <message>
        <source>octet 1 is %1, not 255</source>
        <translation>l’octet 1 vaut %1, pas 255</translation>
    </message>
    <message>
        <source>octet %1 (%2) is above octet %3 (%4)</source>
        <translation>l’octet %1 (%2) est supérieur à l’octet %3 (%4)</translation>
    </message>
    <message>
        <source>A mask starts with 255 and its octets never rise from left to right; below a 255 only the last octet may fall again to 0 (255.a.b.0). Here %1.</source>
        <translation>Un masque commence par 255 et ses octets ne croissent jamais de gauche à droite&#x202f;; sous un 255, seul le dernier octet peut retomber à 0 (255.a.b.0). Ici, %1.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Classes D and E have no network, subnet and host fields: no subnet bits, and the findings look at the whole address, bits 1 to 32, as its host field.</source>
        <translation>Les classes D et E n’ont pas de champs réseau, sous-réseau et hôte&#xa0;: pas de bits de sous-réseau, et les constats prennent toute l’adresse, bits 1 à 32, comme son champ d’hôte.</translation>
    </message>
    <message>
        <source>The first octet, %1, is %2 in binary.</source>
        <translation>Le premier octet, %1, s’écrit %2 en binaire.</translation>
    </message>
    <message>
        <source>Its leading bits %1 give class %2 (first octet %3 to %4): %5.</source>
        <translation>Ses bits de tête %1 donnent la classe %2 (premier octet de %3 à %4)&#xa0;: %5.</translation>
    </message>
    <message>
        <source>Natural mask</source>
        <translation>Masque naturel</translation>
    </message>
    <message>
        <source>Class %1&apos;s natural mask is %2: one bits for its %3 network bits.</source>
        <translation>Le masque naturel de la classe %1 est %2&#xa0;: des bits à un pour ses %3 bits de réseau.</translation>
    </message>
    <message>
        <source>The mask %1 has no one bits beyond the class&apos;s %2: no subnet bits.</source>
        <translation>Le masque %1 n’a aucun bit à un au-delà des %2 de la classe&#xa0;: pas de bits de sous-réseau.</translation>
    </message>
    <message>
        <source>octet %1, %2 = %3, gives %4</source>
        <translation>l’octet %1, %2 = %3, en donne %4</translation>
    </message>
    <message>
        <source>The rest are host bits: 32 - %1 - %2 = %3.</source>
        <translation>Les autres sont des bits d’hôte&#xa0;: 32 - %1 - %2 = %3.</translation>
    </message>
    <message>
        <source>Subnet and host bits</source>
        <translation>Bits de sous-réseau et d’hôte</translation>
    </message>
    <message>
        <source>Without subnet bits the network is not subnetted: %1.</source>
        <translation>Sans bits de sous-réseau, le réseau n’est pas découpé en sous-réseaux&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Hosts</source>
        <translation>Hôtes</translation>
    </message>
    <message>
        <source>%1 - 2 = %2 usable hosts in each subnet: host bits all zeros name the subnet itself, all ones its broadcast address.</source>
        <translation>%1 - 2 = %2 hôtes utilisables dans chaque sous-réseau&#xa0;: des bits d’hôte tous à 0 désignent le sous-réseau lui-même, tous à 1 son adresse de diffusion.</translation>
    </message>
    <message>
        <source>subnet %1 is %2</source>
        <translation>le sous-réseau %1 est %2</translation>
    </message>
    <message>
        <source>Block size</source>
        <translation>Taille de bloc</translation>
    </message>
    <message>
        <source>The mask&apos;s subnet bits are not one run of bits, so the subnets do not follow each other in steps of one size: %1.</source>
        <translation>Les bits de sous-réseau du masque ne forment pas une suite continue, donc les sous-réseaux ne se suivent pas par pas d’une même taille&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3 and so on.</source>
        <translation>Le dernier bit de sous-réseau vaut %1 dans l’octet %2, donc les sous-réseaux s’y suivent par pas de %1&#xa0;: %3 et ainsi de suite.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3.</source>
        <translation>Le dernier bit de sous-réseau vaut %1 dans l’octet %2, donc les sous-réseaux s’y suivent par pas de %1&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all zeros).</source>
        <translation>Les bits de sous-réseau de l’adresse se lisent %1&#xa0;: sous-réseau %2 de 0 à %3, réservé (tous à 0).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all ones).</source>
        <translation>Les bits de sous-réseau de l’adresse se lisent %1&#xa0;: sous-réseau %2 de 0 à %3, réservé (tous à 1).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, not reserved.</source>
        <translation>Les bits de sous-réseau de l’adresse se lisent %1&#xa0;: sous-réseau %2 de 0 à %3, non réservé.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet</source>
        <translation>Le sous-réseau de l’adresse</translation>
    </message>
    <message>
        <source>The network Or the inverted mask: %1 Or %2 = %3, the bits that the mask leaves all set to 1.</source>
        <translation>Le réseau OU le masque inversé&#xa0;: %1 OU %2 = %3, les bits que le masque laisse libres tous mis à 1.</translation>
    </message>
    <message>
        <source>First and last subnet</source>
        <translation>Premier et dernier sous-réseau</translation>
    </message>
    <message>
        <source>Without subnet bits there are no subnets: the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Sans bits de sous-réseau, il n’y a pas de sous-réseaux&#xa0;: les lignes S.-réseau 1 et S.-réseau N restent vides.</translation>
    </message>
    <message>
        <source>With one subnet bit both subnets are reserved: there is no usable subnet, and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Avec un seul bit de sous-réseau, les deux sous-réseaux sont réservés&#xa0;: il n’y a aucun sous-réseau utilisable, et les lignes S.-réseau 1 et S.-réseau N restent vides.</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N).</source>
        <translation>Le réseau avec les bits %1 à %2 mis à %3 et à %4&#xa0;: le sous-réseau 1 est %5 et le sous-réseau %6 est %7 (les lignes S.-réseau 1 et S.-réseau N).</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N). With this mask those are not the mask&apos;s own subnet bits, which number the subnets above (subnet 1 is %8).</source>
        <translation>Le réseau avec les bits %1 à %2 mis à %3 et à %4&#xa0;: le sous-réseau 1 est %5 et le sous-réseau %6 est %7 (les lignes S.-réseau 1 et S.-réseau N). Avec ce masque, ce ne sont pas les bits de sous-réseau propres au masque, qui numérotent les sous-réseaux ci-dessus (le sous-réseau 1 est %8).</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all zeros, %3</source>
        <translation>bit %1, se lit %2&#xa0;: tous à 0, %3</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all ones, %3</source>
        <translation>bit %1, se lit %2&#xa0;: tous à 1, %3</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all zeros, %4</source>
        <translation>bits %1 à %2, se lit %3&#xa0;: tous à 0, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all ones, %4</source>
        <translation>bits %1 à %2, se lit %3&#xa0;: tous à 1, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: neither all zeros nor all ones</source>
        <translation>bits %1 à %2, se lit %3&#xa0;: ni tous à 0 ni tous à 1</translation>
    </message>
    <message>
        <source>The subnet field of the network, %1.</source>
        <translation>Le champ de sous-réseau du réseau, %1.</translation>
    </message>
    <message>
        <source>The mask leaves no host bits: %1, and the press ends there: the Network, Subnet and Host lines and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Le masque ne laisse aucun bit d’hôte&#xa0;: %1, et le calcul s’arrête là&#xa0;: les lignes Réseau, Sous-réseau et Hôte et les lignes S.-réseau 1 et S.-réseau N restent vides.</translation>
    </message>
    <message>
        <source>The host field of the address, %1.</source>
        <translation>Le champ d’hôte de l’adresse, %1.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>The status is %1, and every output box stays empty.</source>
        <translation>L’état est %1, et toutes les cases de résultat restent vides.</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Working of %1 %2: %3</source>
        <translation>Détail du calcul de %1 %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>Its leading bits %1 give class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</source>
        <comment>Its leading bit %1 gives class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</comment>
        <translation>
            <numerusform>Son bit de tête %1 donne la classe %2 (premier octet de %3 à %4), dont le réseau est formé des %5 premiers bits de l’adresse.</numerusform>
            <numerusform>Ses bits de tête %1 donnent la classe %2 (premier octet de %3 à %4), dont le réseau est formé des %5 premiers bits de l’adresse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved. Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</source>
        <comment>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved (with one subnet bit, both of them). Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</comment>
        <translation>
            <numerusform>%1 - 2 = %2 sous-réseaux utilisables&#xa0;: les sous-réseaux dont les bits de sous-réseau sont tous à 0 ou tous à 1 sont réservés (avec un seul bit de sous-réseau, les deux). Là où le sous-réseau zéro et le sous-réseau aux bits tous à 1 sont permis, %1 = %3 sous-réseaux.</numerusform>
            <numerusform>%1 - 2 = %2 sous-réseaux utilisables&#xa0;: les sous-réseaux dont les bits de sous-réseau sont tous à 0 ou tous à 1 sont réservés. Là où le sous-réseau zéro et le sous-réseau aux bits tous à 1 sont permis, %1 = %3 sous-réseaux.</numerusform>
        </translation>
    </message>
    <message>
        <source>an empty box reads as 0</source>
        <translation>une case vide se lit 0</translation>
    </message>
    <message>
        <source>blanks are skipped</source>
        <translation>les espaces sont ignorées</translation>
    </message>
    <message>
        <source>&amp;H starts a hexadecimal number</source>
        <translation>&amp;H introduit un nombre hexadécimal</translation>
    </message>
    <message>
        <source>&amp;O starts an octal number</source>
        <translation>&amp;O introduit un nombre octal</translation>
    </message>
    <message>
        <source>the letter %1 starts a power of ten</source>
        <translation>la lettre %1 introduit une puissance de dix</translation>
    </message>
    <message>
        <source>it does not start with a number, so it reads as 0</source>
        <translation>il ne commence pas par un nombre, il se lit donc 0</translation>
    </message>
    <message>
        <source>reading stops at %1, which cannot continue the number</source>
        <translation>la lecture s’arrête à %1, qui ne peut pas prolonger le nombre</translation>
    </message>
    <message>
        <source>written otherwise, it is the same number</source>
        <translation>écrit autrement, c’est le même nombre</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Octet %1 of the address, %2, reads as %3: %4.</source>
        <translation>L’octet %1 de l’adresse, %2, se lit %3&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Octet %1 of the mask, %2, reads as %3: %4.</source>
        <translation>L’octet %1 du masque, %2, se lit %3&#xa0;: %4.</translation>
    </message>
    <message numerus="yes">
        <source>For a first octet above %1 and below %2, as %3 is, the mask must have a 255 among its first %n octets. The mask %4 has none.</source>
        <comment>For a first octet above %1 and below %2, as %3 is, the mask&apos;s first octet must be 255. The mask %4 has another.</comment>
        <translation>
            <numerusform>Pour un premier octet supérieur à %1 et inférieur à %2, comme %3, le premier octet du masque doit valoir 255. Le masque %4 a une autre valeur.</numerusform>
            <numerusform>Pour un premier octet supérieur à %1 et inférieur à %2, comme %3, le masque doit avoir un 255 parmi ses %n premiers octets. Le masque %4 n’en a aucun.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A single 255 there is enough: the check does not ask the mask to cover the class&apos;s network bits, which the class fixes whatever the mask.</source>
        <comment>That is the whole rule: the check asks nothing of the mask&apos;s other octets.</comment>
        <translation>
            <numerusform>C’est toute la règle&#xa0;: le contrôle n’exige rien des autres octets du masque.</numerusform>
            <numerusform>Un seul 255 suffit&#xa0;: le contrôle n’exige pas que le masque couvre les bits de réseau de la classe, que la classe fixe quel que soit le masque.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mask %1 is shorter than class %2&apos;s %3 network bits; the class still fixes them.</source>
        <translation>Le masque %1 est plus court que les %3 bits de réseau de la classe %2&#xa0;; la classe les fixe malgré tout.</translation>
    </message>
    <message>
        <source>Beyond them the mask has no one bits: no subnet bits.</source>
        <translation>Au-delà, le masque n’a aucun bit à 1&#xa0;: aucun bit de sous-réseau.</translation>
    </message>
    <message numerus="yes">
        <source>Beyond them the mask has %1 one bits (%2): these are the subnet bits.</source>
        <comment>Beyond them the mask has %1 one bit (%2): this is the subnet bit.</comment>
        <translation>
            <numerusform>Au-delà, le masque a %1 bit à 1 (%2)&#xa0;: c’est le bit de sous-réseau.</numerusform>
            <numerusform>Au-delà, le masque a %1 bits à 1 (%2)&#xa0;: ce sont les bits de sous-réseau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The mask %1 has %2 one bits beyond the class&apos;s %3 (%4): these are the subnet bits.</source>
        <comment>The mask %1 has %2 one bit beyond the class&apos;s %3 (%4): this is the subnet bit.</comment>
        <translation>
            <numerusform>Le masque %1 a %2 bit à 1 au-delà des %3 de la classe (%4)&#xa0;: c’est le bit de sous-réseau.</numerusform>
            <numerusform>Le masque %1 a %2 bits à 1 au-delà des %3 de la classe (%4)&#xa0;: ce sont les bits de sous-réseau.</numerusform>
        </translation>
    </message>
    <message>
        <source>The press tests fields of these lengths right after the class&apos;s bits: bits %1 to %2 as the subnet field and bits %3 to 32 as the host field. With this mask they are not where its one bits lie, which the bit rows mark: the press&apos;s fields decide the status and the rows Subnet 1 and Subnet N, the mask&apos;s bits the network and the broadcast.</source>
        <translation>Le calcul contrôle des champs de ces longueurs juste après les bits de la classe&#xa0;: les bits %1 à %2 comme champ de sous-réseau et les bits %3 à 32 comme champ d’hôte. Avec ce masque, ils ne sont pas là où se trouvent ses bits à 1, que marquent les lignes de bits&#xa0;: les champs du calcul décident de l’état et des lignes S.-réseau 1 et S.-réseau N, les bits du masque du réseau et de la diffusion.</translation>
    </message>
    <message>
        <source>%1 - 2 = %2 usable hosts in the network: host bits all zeros name the network itself, all ones its broadcast address.</source>
        <translation>%1 - 2 = %2 hôtes utilisables dans le réseau&#xa0;: des bits d’hôte tous à 0 désignent le réseau lui-même, tous à 1 son adresse de diffusion.</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: all zeros, so it takes the address&apos;s subnet as reserved (all zeros).</source>
        <translation>Le calcul lit pourtant les bits %1 à %2 du réseau, %3&#xa0;: tous à 0, il tient donc le sous-réseau de l’adresse pour réservé (tous à 0).</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: all ones, so it takes the address&apos;s subnet as reserved (all ones).</source>
        <translation>Le calcul lit pourtant les bits %1 à %2 du réseau, %3&#xa0;: tous à 1, il tient donc le sous-réseau de l’adresse pour réservé (tous à 1).</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: neither all zeros nor all ones, so it takes the address&apos;s subnet as not reserved.</source>
        <translation>Le calcul lit pourtant les bits %1 à %2 du réseau, %3&#xa0;: ni tous à 0 ni tous à 1, il tient donc le sous-réseau de l’adresse pour non réservé.</translation>
    </message>
    <message>
        <source>The address&apos;s bits under the mask&apos;s subnet bits read %1: subnet %2 of 0 to %3 in the list of every subnet.</source>
        <translation>Les bits de l’adresse sous les bits de sous-réseau du masque se lisent %1&#xa0;: sous-réseau %2 de 0 à %3 dans la liste de tous les sous-réseaux.</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1; this is the network address, which the row Subnet shows. The mask being shorter than the class clears network bits too, where the class&apos;s network bits and the subnet bits alone give %4.</source>
        <translation>L’adresse ET le masque&#xa0;: %1 ET %2 = %3, chaque bit à 1 seulement là où les deux sont à 1&#xa0;; c’est l’adresse de réseau, que montre la ligne Sous-réseau. Le masque, plus court que la classe, efface aussi des bits de réseau, là où les bits de réseau de la classe et les bits de sous-réseau seuls donnent %4.</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1; this is the network address, which the row Subnet shows.</source>
        <translation>L’adresse ET le masque&#xa0;: %1 ET %2 = %3, chaque bit à 1 seulement là où les deux sont à 1&#xa0;; c’est l’adresse de réseau, que montre la ligne Sous-réseau.</translation>
    </message>
    <message>
        <source>The later finding replaces the earlier one: the status is %1.</source>
        <translation>Le constat ultérieur remplace le précédent&#xa0;: l’état est %1.</translation>
    </message>
    <message>
        <source>The status is %1.</source>
        <translation>L’état est %1.</translation>
    </message>
    <message>
        <source>With no finding the status stays %1.</source>
        <translation>Sans constat, l’état reste %1.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>octaval::frmAbout</name>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in LICENSE beside the program. More in README.md.</source>
        <translation>© 2026 les développeurs d’Octaval. Licence GPL-3.0-or-later, termes dans LICENSE à côté du programme. Plus dans README.md.</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in
/usr/share/doc/octaval/copyright
More in octaval(1) and the README.</source>
        <translation>© 2026 les développeurs d’Octaval. Licence GPL-3.0-or-later, termes dans
/usr/share/doc/octaval/copyright
Plus dans octaval(1) et le README.</translation>
    </message>
    <message>
        <source>Free to share and use. The author accepts no responsibility for any damage or loss of data it may cause.</source>
        <translation>Libre à partager et à utiliser. L’auteur décline toute responsabilité pour les dommages ou pertes de données causés.</translation>
    </message>
    <message>
        <source>%1 %2 calculates subnet and broadcast address via given IP address and subnet mask.</source>
        <translation>%1 %2 calcule les adresses de sous-réseau et de diffusion à partir de l’adresse IP et du masque.</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Every subnet…</source>
        <translation>Tous les sous-réseaux…</translation>
    </message>
    <message>
        <source>Show the working…</source>
        <translation>Afficher le détail du calcul…</translation>
    </message>
    <message>
        <source>Practice…</source>
        <translation>Exercices…</translation>
    </message>
    <message>
        <source>Ctrl+L: every subnet</source>
        <translation>Ctrl+L&#xa0;: tous les sous-réseaux</translation>
    </message>
    <message>
        <source>Ctrl+B: show the working</source>
        <translation>Ctrl+B&#xa0;: afficher le détail du calcul</translation>
    </message>
    <message>
        <source>Ctrl+P: practice</source>
        <translation>Ctrl+P&#xa0;: exercices</translation>
    </message>
</context>
<context>
    <name>octaval::frmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Problem IP address</source>
        <translation>Adresse IP de l’exercice</translation>
    </message>
    <message>
        <source>Problem subnet mask</source>
        <translation>Masque de sous-réseau de l’exercice</translation>
    </message>
    <message>
        <source>%1, mark</source>
        <translation>%1, correction</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Next problem</source>
        <translation>Exercice &amp;suivant</translation>
    </message>
    <message>
        <source>Show the &amp;working</source>
        <translation>Afficher le &amp;détail du calcul</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Cla&amp;sses</source>
        <translation>&amp;Classes</translation>
    </message>
    <message>
        <source>The last session: %1.</source>
        <translation>La dernière série&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Problem %1 of %2</source>
        <translation>Exercice %1 sur %2</translation>
    </message>
    <message>
        <source>Counted at the first check of each problem</source>
        <translation>Compté à la première vérification de chaque exercice</translation>
    </message>
    <message>
        <source>&amp;Print worksheet…</source>
        <translation>&amp;Imprimer la fiche…</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Add the answer key, on a page of its own after the problems?</source>
        <translation>Ajouter le corrigé, sur une page à part après les exercices&#xa0;?</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language tag of this translation, for the printed worksheet</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Save the worksheet as PDF</source>
        <translation>Enregistrer la fiche en PDF</translation>
    </message>
    <message>
        <source>worksheet.pdf</source>
        <comment>the file name offered</comment>
        <translation>fiche.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>octaval::frmSubnets</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Find an address or a subnet number:</source>
        <translation>Chercher une adresse ou un numéro de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Find a subnet</source>
        <translation>Chercher un sous-réseau</translation>
    </message>
    <message>
        <source>Ctrl+F: find; Enter selects the row</source>
        <translation>Ctrl+F&#xa0;: chercher&#x202f;; Entrée sélectionne la ligne</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Copy rows</source>
        <translation>Copier les lignes</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate in the main window first</source>
        <translation>Aucun sous-réseau à lister&#xa0;: cliquez d’abord sur «&#x202f;Recalculer&#x202f;» dans la fenêtre principale</translation>
    </message>
    <message>
        <source>No subnets to list: %1</source>
        <translation>Aucun sous-réseau à lister&#xa0;: %1</translation>
    </message>
    <message>
        <source>Subnet %1</source>
        <translation>Sous-réseau %1</translation>
    </message>
    <message>
        <source>Too many rows to copy (%1, at most %2): &quot;%3&quot; writes the whole list</source>
        <translation>Trop de lignes à copier (%1, au plus %2)&#xa0;: «&#x202f;%3&#x202f;» écrit toute la liste</translation>
    </message>
    <message>
        <source>Copied 1 row</source>
        <translation>1 ligne copiée</translation>
    </message>
    <message>
        <source>Copied %1 rows</source>
        <translation>%1 lignes copiées</translation>
    </message>
    <message>
        <source>Save the subnets as CSV</source>
        <translation>Enregistrer les sous-réseaux en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Saved %1 rows to %2</source>
        <translation>%1 lignes enregistrées dans %2</translation>
    </message>
    <message>
        <source>Cannot save the list to %1: %2</source>
        <translation>Impossible d’enregistrer la liste dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>reserved, all zeros</source>
        <translation>réservé, tous à 0</translation>
    </message>
    <message>
        <source>reserved, all ones</source>
        <translation>réservé, tous à 1</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>contient %1</translation>
    </message>
    <message>
        <source>Class %1 has no subnets</source>
        <translation>La classe %1 n’a pas de sous-réseaux</translation>
    </message>
    <message>
        <source>Type an address or a subnet number</source>
        <translation>Saisissez une adresse ou un numéro de sous-réseau</translation>
    </message>
    <message>
        <source>There is no subnet %1: they are numbered 0 to %2</source>
        <translation>Il n’y a pas de sous-réseau %1&#xa0;: ils sont numérotés de 0 à %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither an address (such as 10.1.2.3) nor a subnet number</source>
        <translation>«&#x202f;%1&#x202f;» n’est ni une adresse (comme 10.1.2.3) ni un numéro de sous-réseau</translation>
    </message>
    <message>
        <source>%1 is not in the network %2</source>
        <translation>%1 n’est pas dans le réseau %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subnets</source>
        <comment>%n subnet</comment>
        <translation>
            <numerusform>%n sous-réseau</numerusform>
            <numerusform>%n sous-réseaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n usable</source>
        <translation>
            <numerusform>%n utilisable</numerusform>
            <numerusform>%n utilisables</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 of the class %3 network %4 under %5</source>
        <translation>%1 du réseau de classe %3 %4 avec le masque %5, dont %2</translation>
    </message>
</context>
<context>
    <name>octaval::frmWorking</name>
    <message>
        <source>No working yet: press Recalculate in the main window first.</source>
        <translation>Pas encore de détail du calcul&#xa0;: cliquez d’abord sur «&#x202f;Recalculer&#x202f;» dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>the class&apos;s network bits</source>
        <translation>les bits de réseau de la classe</translation>
    </message>
    <message>
        <source>the subnet bits</source>
        <translation>les bits de sous-réseau</translation>
    </message>
    <message>
        <source>the host bits</source>
        <translation>les bits d’hôte</translation>
    </message>
    <message>
        <source>no fields</source>
        <translation>aucun champ</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Détail du calcul</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copies the whole working as text (Ctrl+C)</source>
        <translation>Copie tout le détail du calcul en texte (Ctrl+C)</translation>
    </message>
    <message>
        <source>%1 in binary</source>
        <translation>%1 en binaire</translation>
    </message>
    <message>
        <source>Legend: </source>
        <translation>Légende&#xa0;: </translation>
    </message>
    <message>
        <source>Step %1 of %2: %3. %4</source>
        <translation>Étape %1 sur %2&#xa0;: %3. %4</translation>
    </message>
</context>
<context>
    <name>octaval::web</name>
    <message>
        <source>No working yet: press Recalculate first.</source>
        <translation>Pas encore de détail du calcul&#xa0;: cliquez d’abord sur «&#x202f;Recalculer&#x202f;».</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>with the answer key on a page of its own</source>
        <translation>avec le corrigé sur une page à part</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate first</source>
        <translation>Aucun sous-réseau à lister&#xa0;: cliquez d’abord sur «&#x202f;Recalculer&#x202f;»</translation>
    </message>
    <message>
        <source>The link #%1 names no press: %2</source>
        <translation>Le lien #%1 ne désigne aucun calcul&#xa0;: %2</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615, not “%1”</source>
        <translation>La graine est un nombre entier de 0 à 18446744073709551615, pas «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>a part has more than three characters</source>
        <translation>une partie a plus de trois caractères</translation>
    </message>
</context>
</TS>
